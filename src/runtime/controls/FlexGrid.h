// A flex grid: a table of text cells with a fixed header row 0 and data rows from 1, over a Qt item view.
// The cells live here, not in the view. While redraw is off, changes are only stored and the view keeps its last
// picture; switching redraw on shows the current content at once. Rows, columns and heights are in flex-grid
// terms: row 0 is the header, columns from 0, heights in twips.
#pragma once

#include "runtime/controls/FlexGridModel.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTableView>

#include <algorithm>
#include <functional>
#include <vector>

namespace tervala::rt {

class FlexGrid : public QTableView {
    Q_OBJECT

public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // "Name |Meaning |^Fav": header captions split at "|"; a caption with its blanks sets the column's initial
    // width in the grid's font; a leading "^" centres the column (the "^" is not shown).
    void setFormatString(const QString& format);
    int cols() const;

    // Row count including the header row. Setting 1 drops every data row with its texts, heights and colours;
    // setting more adds empty rows.
    int rows() const;
    void setRows(int count);

    // Appends one row whose cells take the pieces of UTF-8 text split at tabs, from column 0 on. The bytes are
    // kept as they are, so a load of many rows pays for no decoding.
    void addItemUtf8(QByteArrayView tabSeparated);

    // A cell's text; row 0 holds the captions. A text set here holds no tab (tabs separate the stored cells).
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Height of a data row in twips (drawn twips / 15 pixels high); a row never set keeps the default height.
    // Heights above 65,535 twips (45 inches) are kept as that.
    void setRowHeight(int row, int twips);
    int rowHeight(int row) const;
    static constexpr int DefaultRowHeightTwips = 240;

    // The current cell. Row 0 only while the grid has no data rows (setting it otherwise gives row 1). With redraw
    // on, the view's current cell follows at once, without scrolling, and no row stays selected.
    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);

    // Background colour of the current cell, given as the legacy grid takes it, an RGB value (a load shades
    // row after row, and needs no QColor conversion for each cell); cells never set are white, header cells are
    // button-face.
    void setCellBackColor(QRgb color);
    QColor cellBackColor(int row, int col) const;

    void setRedraw(bool on);

    // True when the text of data cell (row, col) does not show whole where the grid draws it: too wide for its
    // column, or wrapped onto more lines than its row's height holds.
    bool isCellTextCutOff(int row, int col) const;
    // Composes the tooltip of data cell (row, col), shown while the mouse rests on it; an empty text shows none.
    // Without a composer no cell has a tooltip.
    void setCellToolTip(std::function<QString(int row, int col)> compose);

    // How a screen reader says the data cells of column col, from their text; unset, it reads the text itself.
    void setColumnSpokenText(int col, std::function<QString(const QString& text)> speak);

    // The selected data rows, one line each with its cells joined by tabs, in row order; withHeader puts the
    // captions, trimmed, in a first line.
    QString selectedRowsText(bool withHeader) const;

signals:
    // After a click or double click on a data cell; the current cell is then that cell.
    void Click();
    void DblClick();
    // Space (keyAscii 32) or Enter (13) pressed on the grid while it holds data rows; it acts on the current cell.
    void KeyPress(int keyAscii);
    // A context menu asked for by a right click (which first makes its cell current) or by the keyboard, to be
    // shown at globalPos: under the pointer, or below the current cell.
    void ContextMenu(const QPoint& globalPos);

protected:
    // Ctrl+C copies the selected rows as tab-separated text; Space and Enter raise KeyPress; other keys as in
    // QTableView (Ctrl+A selects all, a letter moves to the next name starting with it).
    void keyPressEvent(QKeyEvent* event) override;
    // The keyboard arriving by Tab or a shortcut lands on a row in sight (a current row scrolled out of view
    // moves to the top visible row), selected unless rows are; selected rows take the highlight colour only
    // while the grid has the keyboard.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColumnWidths();
    void applyRowHeights();
    void clampCurrentCell();
    void showCurrentCell();
    bool takeCurrentCell(const QModelIndex& index);
    bool isRowInSight(int row) const;
    void keepSelectionReadable();

    FlexGridModel* m_model;
    int m_row = 0; // grid row: 0 only while there are no data rows
    int m_col = 0;
    bool m_redraw = true;
    // Widths in pixels from the last format string, until the view shows its columns; then empty.
    std::vector<int> m_columnWidths;
    std::function<QString(int row, int col)> m_cellToolTip;
};

// Inline, with what they call: a load sets the current cell and its colour for every shaded cell.

inline int FlexGrid::cols() const
{
    return m_model->storedColumnCount();
}

inline void FlexGrid::setRow(int row)
{
    Q_ASSERT(row >= 0 && row < rows());
    // The column stays valid: every change of the grid's size clamps both.
    const int dataRows = m_model->storedRowCount();
    m_row = std::clamp(row, dataRows > 0 ? 1 : 0, dataRows);
    if (m_redraw)
        showCurrentCell();
}

inline void FlexGrid::setCol(int col)
{
    Q_ASSERT(col >= 0 && col < cols());
    m_col = std::clamp(col, 0, std::max(cols() - 1, 0));
    if (m_redraw)
        showCurrentCell();
}

inline void FlexGrid::setCellBackColor(QRgb color)
{
    if (m_row >= 1 && m_col < cols())
        m_model->setBackColor(m_row - 1, m_col, color);
}

} // namespace tervala::rt
