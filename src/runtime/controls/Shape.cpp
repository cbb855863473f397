#include "runtime/controls/Shape.h"

#include "runtime/controls/ControlName.h"

#include <QPainter>

namespace tervala::rt {

Shape::Shape(QWidget* parent, const QString& name, int index)
    : QWidget(parent)
{
    setObjectName(controlName(name, index));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Siblings created later are stacked above, so lowering once at birth keeps the shape under all of them.
    lower();
}

void Shape::setBorderColor(const QColor& color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(m_borderColor);
    painter.setBrush(Qt::NoBrush);
    // A one-pixel pen draws one pixel beyond the right and bottom of the rectangle it is given.
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tervala::rt
