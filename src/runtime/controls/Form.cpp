#include "runtime/controls/Form.h"

#include "runtime/controls/FittedCaptions.h"
#include "runtime/controls/Twips.h"
#include "runtime/controls/UnhandledError.h"

#include <QApplication>
#include <QCloseEvent>
#include <QRadioButton>
#include <QTimerEvent>

#include <algorithm>

namespace tervala::rt {

Form::Form(const QString& name, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                  | Qt::CustomizeWindowHint)
{
    setObjectName(name);
    setFont(legacyFont(LegacyPointSize));
}

void Form::setCaption(const QString& caption)
{
    QString shown = caption.left(MaxCaptionLength);
    // A cut between the two halves of a surrogate pair would leave half a character.
    if (shown.size() < caption.size() && shown.back().isHighSurrogate())
        shown.chop(1);
    m_caption = shown;
    if (!m_sinceCaptionShown.isValid() || m_sinceCaptionShown.elapsed() >= CaptionIntervalMs)
        showCaption();
    else if (!m_captionDue.isActive())
        m_captionDue.start(CaptionIntervalMs, this);
}

void Form::showCaption()
{
    m_captionDue.stop();
    m_sinceCaptionShown.start();
    setWindowTitle(m_caption);
}

void Form::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_captionDue.timerId())
        showCaption();
    else
        QWidget::timerEvent(event);
}

void Form::setClientSizeTwips(int width, int height)
{
    setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    runGuarded([this] { Form_Load(); });
}

void Form::setTabOrderByIndex(std::vector<std::pair<int, QWidget*>> tabIndexes)
{
    std::stable_sort(tabIndexes.begin(), tabIndexes.end(), [](const auto& a, const auto& b) {
        return a.first < b.first;
    });
    m_tabOrder.clear();
    for (const auto& [tabIndex, control] : tabIndexes)
        m_tabOrder.push_back(control);
}

bool Form::isTabStop(const QWidget* control) const
{
    if (!control->isEnabled() || !control->isVisibleTo(this))
        return false;
    const auto* option = qobject_cast<const QRadioButton*>(control);
    // Qt moves the tab-focus bit among the buttons of a group by itself, so a button's group decides instead.
    if (!option)
        return control->focusPolicy() & Qt::TabFocus;
    if (option->isChecked())
        return true;
    const auto siblings = option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return std::none_of(siblings.begin(), siblings.end(), [](const QRadioButton* b) { return b->isChecked(); });
}

// Qt's own chain follows the widget tree, so controls in containers could not be ordered across them.
bool Form::focusNextPrevChild(bool next)
{
    if (m_tabOrder.empty())
        return QWidget::focusNextPrevChild(next);
    const auto count = static_cast<std::ptrdiff_t>(m_tabOrder.size());
    std::ptrdiff_t current = next ? -1 : 0;
    for (const QWidget* focus = QApplication::focusWidget(); focus; focus = focus->parentWidget()) {
        const auto found = std::find(m_tabOrder.begin(), m_tabOrder.end(), focus);
        if (found != m_tabOrder.end()) {
            current = found - m_tabOrder.begin();
            break;
        }
    }
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        QWidget* candidate
            = m_tabOrder[static_cast<std::size_t>(((current + (next ? step : -step)) % count + count) % count)];
        if (isTabStop(candidate)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form::showEvent(QShowEvent* event)
{
    if (!m_captionsFitted) {
        m_captionsFitted = true;
        fitCaptions(*this);
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        int cancel = 0;
        runGuarded([this, &cancel] { Form_Unload(cancel); });
        m_unloaded = cancel == 0;
    }
    event->setAccepted(m_unloaded);
}

} // namespace tervala::rt
