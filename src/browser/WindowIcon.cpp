#include "browser/WindowIcon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tervala {

namespace {

// The 16 colours of the classic palette, in their usual order.
QList<QRgb> classicPalette()
{
    return { qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
             qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
             qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
             qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255) };
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int half = size / 2;
    painter.fillRect(0, 0, half, size, QColor(0, 0, 255));
    painter.fillRect(half, 0, size - half, size, QColor(255, 0, 255));

    // A heart: two round lobes over a point, scaled to the image.
    const qreal unit = size / 16.0;
    QPainterPath heart;
    heart.moveTo(8 * unit, 14 * unit);
    heart.cubicTo(1 * unit, 9 * unit, 1 * unit, 3 * unit, 5 * unit, 3 * unit);
    heart.cubicTo(6.5 * unit, 3 * unit, 7.5 * unit, 4 * unit, 8 * unit, 5.5 * unit);
    heart.cubicTo(8.5 * unit, 4 * unit, 9.5 * unit, 3 * unit, 11 * unit, 3 * unit);
    heart.cubicTo(15 * unit, 3 * unit, 15 * unit, 9 * unit, 8 * unit, 14 * unit);
    painter.fillPath(heart, QColor(255, 0, 0));
    painter.setPen(QPen(Qt::white, unit));
    painter.drawPath(heart);
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, classicPalette(), Qt::ThresholdDither);
}

} // namespace

QIcon windowIcon16And32()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(drawIcon(16)));
    icon.addPixmap(QPixmap::fromImage(drawIcon(32)));
    return icon;
}

} // namespace tervala
