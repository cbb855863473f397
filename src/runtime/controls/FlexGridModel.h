// The cells of a flex grid as a table model: one model row per data row (grid row r is model row r - 1), header
// captions as horizontal header data. A row keeps its cells as one tab-joined line of UTF-8, so a cell text never
// holds a tab; a million rows must fit in little memory, and UTF-8 halves the text of the common (Latin) names.
// While frozen the model tells views nothing and they keep the shape they last saw: rowCount()/columnCount() answer
// that shape, while the stored*() counts and the cell accessors see the stored content. Unfreezing resets views.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QColor>
#include <QString>

#include <functional>
#include <vector>

namespace tervala::rt {

class FlexGridModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        QString caption;
        bool centred = false;
    };

    explicit FlexGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setFrozen(bool frozen);

    int storedColumnCount() const { return int(m_columns.size()); }
    void setColumns(std::vector<Column> columns);
    QString caption(int col) const;
    void setCaption(int col, const QString& caption);

    int storedRowCount() const { return int(m_rows.size()); }
    // Drops rows from the end (with their texts, heights and colours) or appends empty ones.
    void resizeRows(int count);
    // Appends a row whose cells are the pieces of UTF-8 tabSeparated, stored as it is: a list load appends rows
    // straight from the database's bytes. Pieces past the last column are kept but not shown.
    void appendRowUtf8(QByteArrayView tabSeparated);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    // Row height in twips; 0 means the view's default height. Heights above MaxHeightTwips are kept as that.
    static constexpr int MaxHeightTwips = 65535;
    int heightTwips(int row) const;
    void setHeightTwips(int row, int twips);

    // Cell background; cells never set are white. Setting is inline: a load shades every other row.
    QColor backColor(int row, int col) const;
    void setBackColor(int row, int col, QRgb color)
    {
        Q_ASSERT(isStored(row, col));
        m_colorIndexes[size_t(row) * storedColumnCount() + col] = paletteIndex(color);
        if (!m_frozen)
            announceBackColor(row, col);
    }

    // How a screen reader says a cell of column col: speak(cell text). Columns without one are read as shown.
    using SpokenText = std::function<QString(const QString& text)>;
    void setSpokenText(int col, SpokenText speak);

    // The given model rows in ascending order, each as its cells' texts joined by tabs, rows joined by "\n".
    // Rows not stored (a frozen view's selection may still name them) are skipped.
    QString rowsAsTabSeparatedText(std::vector<int> rows) const;

private:
    // Where a row's line lies in m_lines, in 8 bytes: the offset in the low OffsetBits bits, the byte count above.
    // A line of LongLine bytes or more keeps its count in the 8 bytes before it and LongLine in the record.
    struct Row {
        quint64 place = 0;
    };
    static constexpr int OffsetBits = 40;
    static constexpr quint64 LongLine = (quint64(1) << (64 - OffsetBits)) - 1;

    bool isStored(int row, int col) const;
    // Writes line at the end of m_lines and returns its place.
    Row appendLine(QByteArrayView line);
    static constexpr quint8 NeverColoured = 0;
    quint8 paletteIndex(QRgb rgb)
    {
        // A load shades row after row in one colour.
        if (m_lastPaletteIndex != NeverColoured && m_palette[m_lastPaletteIndex] == rgb)
            return m_lastPaletteIndex;
        m_lastPaletteIndex = nearestPaletteIndex(rgb);
        return m_lastPaletteIndex;
    }
    quint8 nearestPaletteIndex(QRgb rgb);
    void announceBackColor(int row, int col);
    QByteArrayView line(int row) const;
    QString cell(int row, int col) const;

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    std::vector<quint16> m_heights; // by row, in twips; 0: default height
    // The rows' lines one after the other. A changed line is written anew at the end and the old bytes stay unused
    // until every row is dropped, which empties it: only a user's edits (favourite marks) leave such bytes.
    QByteArray m_lines;
    qsizetype m_linesUsed = 0; // bytes of m_lines in use, from its start; the rest is room to grow
    // Cell colours as indexes into m_palette, row-major, storedColumnCount() per row; 0 marks a cell never
    // coloured. One byte a cell: a grid uses a handful of colours and may hold a million rows. Past 255 distinct
    // colours a new one is drawn as the nearest colour already in the palette.
    std::vector<quint8> m_colorIndexes;
    std::vector<QRgb> m_palette { 0 };
    quint8 m_lastPaletteIndex = 0; // the index paletteIndex() gave last; 0 before the first
    std::vector<SpokenText> m_spokenTexts; // by column; shorter than the columns when the last have none
    bool m_frozen = false;
    // The shape views last saw; kept equal to the stored counts while not frozen.
    int m_shownRows = 0;
    int m_shownColumns = 0;
};

} // namespace tervala::rt
