// A rectangle drawn as a border only, for decoration. It never takes focus or mouse events and lies below
// the other controls of its parent, whatever order they were created in.
#pragma once

#include <QColor>
#include <QWidget>

namespace tervala::rt {

class Shape : public QWidget {
    Q_OBJECT
public:
    // index is the position in a control array, -1 for a lone shape.
    Shape(QWidget* parent, const QString& name, int index = -1);

    void setBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_borderColor = Qt::black;
};

} // namespace tervala::rt
