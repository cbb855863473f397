// A framed box used as a container for other controls and as a drawing surface (the progress bar).
// Drawings are kept until cls() and repainted from the list; a box covered by a later one is dropped, so
// redrawing the same or a growing bar keeps the list short. The widget is repainted only when the picture
// changes in pixels, and clearing and drawing cost no painting by themselves: the progress bar is redrawn for
// every row of a load.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QRect>
#include <QWidget>

#include <vector>

namespace tervala::rt {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QString& name);

    // Clears all drawings.
    void cls();
    // Paints the rectangle with corners (x1, y1) and (x2, y2), both included, in twips from the top-left corner
    // inside the frame.
    void fillBox(int x1, int y1, int x2, int y2, const QColor& color);
    // The colour inside the frame, behind the drawings; invalid (the default) lets the container's background show.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    // Outer size, frame included.
    int widthTwips() const;
    int heightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Box {
        QRect pixels; // from the top-left corner inside the frame
        QColor color;
        bool operator==(const Box&) const = default;
    };

    void scheduleRepaintCheck();
    void repaintIfChanged();

    std::vector<Box> m_boxes; // in drawing order; none is covered by a later one
    std::vector<Box> m_shown; // m_boxes when update() was last called
    QBasicTimer m_repaintCheck; // active while a check is due
    QColor m_backColor;
};

} // namespace tervala::rt
