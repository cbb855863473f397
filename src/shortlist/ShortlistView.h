// The shortlist's table: whole rows, one at a time, that the mouse drags to a new place. It only reports the
// move; the window stores the new ranking and shows it.
#pragma once

#include <QTableView>

namespace tervala {

class ShortlistModel;

class ShortlistView : public QTableView {
    Q_OBJECT

public:
    // model: shown by the view, and outliving it.
    explicit ShortlistView(ShortlistModel* model, QWidget* parent = nullptr);

signals:
    // The row from was dropped on row to (the last row when dropped below the rows); both 0-based.
    void rowDropped(int from, int to);

protected:
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The chosen row keeps the desktop's highlight, with text that reads on it under any palette.
    void keepSelectionReadable();

    ShortlistModel* m_model;
};

} // namespace tervala
