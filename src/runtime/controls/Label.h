// A caption drawn on the form's background: plain text (never rich text, so '<' in a name shows as is),
// top-left aligned and wrapped at word boundaries within the label's width.
#pragma once

#include <QLabel>

namespace tervala::rt {

class Label : public QLabel {
    Q_OBJECT
public:
    // index is the position in a control array, -1 for a lone label.
    Label(QWidget* parent, const QString& name, const QString& caption, int index = -1);
};

} // namespace tervala::rt
