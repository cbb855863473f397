// Legacy forms over a top-level QWidget.
#include "runtime/Form.h"

#include "runtime/Twips.h"
#include "runtime/UnhandledError.h"

#include <QCloseEvent>

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
    for (std::size_t i = 1; i < tabIndexes.size(); ++i)
        QWidget::setTabOrder(tabIndexes[i - 1].second, tabIndexes[i].second);
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
