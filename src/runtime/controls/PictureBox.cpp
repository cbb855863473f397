// The repaint check runs from a zero timer, so a cls() followed by the same drawing (as a per-row progress
// update does) is seen as no change at all. A timer, unlike a posted call, fires only when the event dispatcher
// is polled, not on every sendPostedEvents(): a load that yields after every row runs the check once per poll.
#include "runtime/controls/PictureBox.h"

#include "runtime/controls/Twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>
#include <qdrawutil.h>

namespace tervala::rt {

namespace {

constexpr int FrameWidth = 1; // pixels

} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name)
    : QWidget(parent)
{
    setObjectName(name);
}

void PictureBox::cls()
{
    m_boxes.clear();
    scheduleRepaintCheck();
}

void PictureBox::fillBox(int x1, int y1, int x2, int y2, const QColor& color)
{
    const QRect pixels(QPoint(twipsToPixels(std::min(x1, x2)), twipsToPixels(std::min(y1, y2))),
                       QPoint(twipsToPixels(std::max(x1, x2)), twipsToPixels(std::max(y1, y2))));
    // After cls(), as on every row of a load, there is nothing to cover.
    if (!m_boxes.empty())
        std::erase_if(m_boxes, [&pixels](const Box& earlier) { return pixels.contains(earlier.pixels); });
    m_boxes.push_back({ pixels, color });
    scheduleRepaintCheck();
}

void PictureBox::setBackColor(const QColor& color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

int PictureBox::widthTwips() const
{
    return pixelsToTwips(width());
}

int PictureBox::heightTwips() const
{
    return pixelsToTwips(height());
}

void PictureBox::scheduleRepaintCheck()
{
    if (!m_repaintCheck.isActive())
        m_repaintCheck.start(0, this);
}

void PictureBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_repaintCheck.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_repaintCheck.stop();
    repaintIfChanged();
}

void PictureBox::repaintIfChanged()
{
    if (m_boxes == m_shown)
        return;
    // A bar that grows or shrinks (one box of one colour from the same corner) changes only the strip between
    // its two ends: repainting only that strip spares the frame, the rest of the bar and what lies beneath.
    const bool oneBarMoved = m_boxes.size() == 1 && m_shown.size() == 1 && m_boxes[0].color == m_shown[0].color
        && m_boxes[0].pixels.topLeft() == m_shown[0].pixels.topLeft()
        && m_boxes[0].pixels.height() == m_shown[0].pixels.height();
    if (oneBarMoved)
        update((QRegion(m_boxes[0].pixels) ^ QRegion(m_shown[0].pixels)).translated(FrameWidth, FrameWidth));
    else
        update();
    m_shown = m_boxes;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
    if (!inside.contains(event->rect()))
        qDrawShadePanel(&painter, rect(), palette(), true, FrameWidth);
    painter.setClipRect(inside);
    if (m_backColor.isValid())
        painter.fillRect(rect(), m_backColor);
    painter.translate(FrameWidth, FrameWidth);
    for (const Box& box : m_boxes)
        painter.fillRect(box.pixels, box.color);
}

} // namespace tervala::rt
