// Redraw off disables the widget's updates and freezes the model, so stored changes cost no view work; redraw on
// resets the view once and reapplies the row heights. Row heights live in the model and reach the (hidden)
// vertical header only while redraw is on.
#include "runtime/controls/FlexGrid.h"

#include "runtime/controls/Contrast.h"
#include "runtime/controls/FlexGridModel.h"
#include "runtime/controls/TextFit.h"
#include "runtime/controls/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>

namespace tervala::rt {

namespace {

// Added to a caption's text width: the cell's text margins, two pixels on each side.
constexpr int ColumnPaddingPixels = 4;

// The application style with light grey grid lines; styles differ in the grid line colour they pick.
class GridLineStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint,
                  const QStyleOption* option,
                  const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_Table_GridLineColor)
            return int(qRgb(192, 192, 192));
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new FlexGridModel(this))
{
    setModel(m_model);
    setFont(legacyFont(LegacyPointSize));

    // Cells white or shaded with a text colour to match (the model's); header and the area past the cells in the
    // palette's button colours, so they follow a light or dark desktop.
    viewport()->setBackgroundRole(QPalette::Button);
    keepSelectionReadable();
    auto* style = new GridLineStyle;
    style->setParent(this);
    setStyle(style);

    setEditTriggers(NoEditTriggers);
    // Tab leaves the grid for the next control, as the window's tab order expects.
    setTabKeyNavigation(false);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setWordWrap(true);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(DefaultRowHeightTwips));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (takeCurrentCell(index))
            emit Click();
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (takeCurrentCell(index))
            emit DblClick();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (m_redraw)
            takeCurrentCell(current);
    });
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::setFormatString(const QString& format)
{
    const QFontMetrics metrics(font());
    std::vector<FlexGridModel::Column> columns;
    m_columnWidths.clear();
    for (const QString& piece : format.split(u'|')) {
        const bool centred = piece.startsWith(u'^');
        const QString caption = centred ? piece.sliced(1) : piece;
        columns.push_back({ caption, centred });
        m_columnWidths.push_back(metrics.horizontalAdvance(caption) + ColumnPaddingPixels);
    }
    m_model->setColumns(std::move(columns));
    clampCurrentCell();
    if (m_redraw)
        applyColumnWidths();
}

int FlexGrid::rows() const
{
    return m_model->storedRowCount() + 1;
}

void FlexGrid::setRows(int count)
{
    Q_ASSERT(count >= 1);
    m_model->resizeRows(std::max(count, 1) - 1);
    clampCurrentCell();
}

void FlexGrid::addItemUtf8(QByteArrayView tabSeparated)
{
    m_model->appendRowUtf8(tabSeparated);
    // Only the first data row moves the current cell, off the header row.
    if (m_row == 0)
        clampCurrentCell();
}

QString FlexGrid::textMatrix(int row, int col) const
{
    Q_ASSERT(row >= 0 && row < rows());
    return row == 0 ? m_model->caption(col) : m_model->text(row - 1, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    Q_ASSERT(row >= 0 && row < rows());
    if (row == 0)
        m_model->setCaption(col, text);
    else
        m_model->setText(row - 1, col, text);
}

void FlexGrid::setRowHeight(int row, int twips)
{
    Q_ASSERT_X(row >= 1 && row < rows(), "FlexGrid::setRowHeight", "only data rows take a height");
    m_model->setHeightTwips(row - 1, twips);
    if (m_redraw)
        verticalHeader()->resizeSection(row - 1, twipsToPixels(twips));
}

int FlexGrid::rowHeight(int row) const
{
    Q_ASSERT_X(row >= 1 && row < rows(), "FlexGrid::rowHeight", "only data rows have a height");
    const int twips = m_model->heightTwips(row - 1);
    return twips == 0 ? DefaultRowHeightTwips : twips;
}

int FlexGrid::row() const
{
    return m_row;
}

int FlexGrid::col() const
{
    return m_col;
}

QColor FlexGrid::cellBackColor(int row, int col) const
{
    Q_ASSERT(row >= 0 && row < rows() && col >= 0 && col < cols());
    return row == 0 ? palette().color(QPalette::Button) : m_model->backColor(row - 1, col);
}

void FlexGrid::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (!on) {
        setUpdatesEnabled(false);
        m_model->setFrozen(true);
        return;
    }
    // Updates stay off until the end: a header with updates off resizes a section without repainting it.
    m_model->setFrozen(false);
    applyColumnWidths();
    applyRowHeights();
    showCurrentCell();
    setUpdatesEnabled(true);
}

bool FlexGrid::isCellTextCutOff(int row, int col) const
{
    Q_ASSERT(row >= 1 && row < rows() && col >= 0 && col < cols());
    // The cell's text area as the item view lays it out: the grid line off the cell, a text margin on each side.
    const int gridLine = showGrid() ? 1 : 0;
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const QSize area(columnWidth(col) - gridLine - 2 * margin, QTableView::rowHeight(row - 1) - gridLine);
    return !textFits(fontMetrics(), area, textMatrix(row, col), wordWrap());
}

void FlexGrid::setCellToolTip(std::function<QString(int row, int col)> compose)
{
    m_cellToolTip = std::move(compose);
}

void FlexGrid::setColumnSpokenText(int col, std::function<QString(const QString& text)> speak)
{
    m_model->setSpokenText(col, std::move(speak));
}

QString FlexGrid::selectedRowsText(bool withHeader) const
{
    std::vector<int> selected;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected.push_back(row);
    }
    const QString rowsText = m_model->rowsAsTabSeparatedText(std::move(selected));
    if (!withHeader)
        return rowsText;
    QStringList captions;
    for (int col = 0; col < cols(); ++col)
        captions.append(m_model->caption(col).trimmed());
    return rowsText.isEmpty() ? captions.join(u'\t') : captions.join(u'\t') + u'\n' + rowsText;
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(selectedRowsText(false));
        event->accept();
        return;
    }
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        if (rows() > 1)
            emit KeyPress(key == Qt::Key_Space ? 32 : 13);
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    const bool byKeyboard
        = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (byKeyboard && m_redraw && rows() > 1 && !isRowInSight(m_row)) {
        int top = rowAt(0) + 1;
        if (top < rows() - 1 && !isRowInSight(top))
            ++top; // the row at the top edge is partly scrolled away
        setRow(std::max(top, 1));
    }
    QTableView::focusInEvent(event);
    // The row the keyboard arrives on is the one Space acts on, so it shows as chosen.
    if (byKeyboard && m_redraw && m_row >= 1 && !selectionModel()->hasSelection())
        selectionModel()->select(m_model->index(m_row - 1, m_col),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
    keepSelectionReadable();
}

void FlexGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    keepSelectionReadable();
}

void FlexGrid::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() != QContextMenuEvent::Keyboard || m_row < 1) {
        emit ContextMenu(event->globalPos());
        return;
    }
    const QRect cell = visualRect(m_model->index(m_row - 1, m_col));
    emit ContextMenu(viewport()->mapToGlobal(cell.bottomLeft()));
}

bool FlexGrid::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    QString text;
    if (m_cellToolTip && index.isValid() && index.row() < m_model->storedRowCount())
        text = m_cellToolTip(index.row() + 1, index.column());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    return true;
}

void FlexGrid::applyColumnWidths()
{
    for (size_t col = 0; col < m_columnWidths.size(); ++col)
        horizontalHeader()->resizeSection(int(col), m_columnWidths[col]);
    m_columnWidths.clear();
}

// A reset keeps the section sizes of rows that existed before, so every row goes back to the default first.
void FlexGrid::applyRowHeights()
{
    QHeaderView* header = verticalHeader();
    // Told of each resized row, the view would queue it for a repaint of its own after the one that updates coming
    // back on already makes; the scroll range follows from the layout the model's reset has queued.
    const QSignalBlocker quiet(header);
    header->setDefaultSectionSize(twipsToPixels(DefaultRowHeightTwips));
    for (int row = 0; row < m_model->storedRowCount(); ++row) {
        if (const int twips = m_model->heightTwips(row))
            header->resizeSection(row, twipsToPixels(twips));
    }
}

// Keeps the current cell inside the grid, off the header row while there are data rows.
void FlexGrid::clampCurrentCell()
{
    const int dataRows = m_model->storedRowCount();
    m_row = std::clamp(m_row, dataRows > 0 ? 1 : 0, dataRows);
    m_col = std::clamp(m_col, 0, std::max(m_model->storedColumnCount() - 1, 0));
}

// Moves the view's current cell to the grid's current cell without scrolling to it. The selection is cleared,
// not moved along: only the user chooses rows, and a load that walks the rows must leave none looking chosen.
void FlexGrid::showCurrentCell()
{
    if (!m_redraw || m_row < 1 || cols() == 0)
        return;
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(m_model->index(m_row - 1, m_col), QItemSelectionModel::Clear);
    setAutoScroll(scrolls);
}

// False, leaving the current cell alone, for an index a frozen view still shows but the grid no longer holds.
bool FlexGrid::takeCurrentCell(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= m_model->storedRowCount() || index.column() >= cols())
        return false;
    m_row = index.row() + 1;
    m_col = index.column();
    return true;
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        keepSelectionReadable();
}

// Selected rows take the palette's highlight only while the grid has the keyboard, and its mid tone otherwise, so
// that of two grids side by side the one with the keyboard shows. Their text turns black or white where the
// palette's own highlighted text would read poorly on that colour. Setting the palette raises PaletteChange
// again, which then finds nothing to do.
void FlexGrid::keepSelectionReadable()
{
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QPalette colors
        = withReadableSelection(inherited, palette(), hasFocus() ? QPalette::Highlight : QPalette::Mid);
    if (colors != palette())
        setPalette(colors);
}

bool FlexGrid::isRowInSight(int row) const
{
    const int top = rowViewportPosition(row - 1);
    return top >= 0 && top + QTableView::rowHeight(row - 1) <= viewport()->height();
}

} // namespace tervala::rt
