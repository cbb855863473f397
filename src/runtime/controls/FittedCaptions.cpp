// Condensing comes first: at a few percent it cannot be seen, while a smaller size can.
#include "runtime/controls/FittedCaptions.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace tervala::rt {

namespace {

constexpr int NarrowestStretch = 85;
constexpr double SmallestPointSize = 6.0;

bool fits(const QFont& font, const QString& text, int width)
{
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}

// The width the style leaves for a button's text inside its frame, indicator and margins.
int buttonTextWidth(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(&button))
        element = QStyle::SE_RadioButtonContents;
    return button.style()->subElementRect(element, &option, &button).width();
}

// A control that reaches past its container's right edge (the design has one) shows only what lies inside it.
int visibleWidth(const QWidget& control, int width)
{
    const QWidget* container = control.parentWidget();
    return container ? std::min(width, container->width() - control.x()) : width;
}

void fitFont(QWidget& control, const QString& text, int width)
{
    width = visibleWidth(control, width);
    if (!text.isEmpty() && !fits(control.font(), text, width))
        control.setFont(fittingFont(control.font(), text, width));
}

} // namespace

QFont fittingFont(QFont font, const QString& text, int width)
{
    for (int stretch = 99; !fits(font, text, width) && stretch >= NarrowestStretch; --stretch)
        font.setStretch(stretch);
    for (double size = font.pointSizeF() - 0.25; !fits(font, text, width) && size >= SmallestPointSize; size -= 0.25)
        font.setPointSizeF(size);
    return font;
}

void fitCaptions(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->contentsRect().height() < 2 * label->fontMetrics().lineSpacing())
            label->setWordWrap(false);
        if (!label->wordWrap()) {
            fitFont(*label, label->text(), label->contentsRect().width());
            continue;
        }
        // A wrapping label breaks lines between words only: its widest word must fit on a line of its own.
        const QStringList words = label->text().split(u' ', Qt::SkipEmptyParts);
        const QFontMetrics metrics = label->fontMetrics();
        const auto widest = std::max_element(words.cbegin(), words.cend(), [&](const QString& a, const QString& b) {
            return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
        });
        if (widest != words.cend())
            fitFont(*label, *widest, label->contentsRect().width());
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        fitFont(*button, button->text(), buttonTextWidth(*button));
}

} // namespace tervala::rt
