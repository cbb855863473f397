// The browser window's lifecycle and handlers: start-up and shut-down, the refresh policy of the filter controls,
// and the favourite toggle. The list rebuild itself is in Form1Lists.cpp, the layout in Form1Layout.cpp.
#include "browser/Form1.h"

#include "browser/FavouriteUndo.h"
#include "browser/Form1Accessibility.h"
#include "browser/ListRow.h"
#include "namedb/ConnectionString.h"
#include "namedb/Quoting.h"

namespace tervala {

Form1::Form1(const QString& programFolder, QWidget* parent)
    : rt::Form(QStringLiteral("Form1"), parent)
    , m_programFolder(programFolder)
{
    createControls();
    applyForm1Accessibility(*this);
    connectHandlers();
    connectGridExtras();
    connectFavouriteCollaborators();
    connectHelp();
    connectShortlist();
}

Form1::~Form1() = default;

rt::Connection& Form1::connection()
{
    if (!m_connection)
        m_connection = std::make_unique<rt::Connection>();
    return *m_connection;
}

void Form1::connectHandlers()
{
    connectGuarded(Check1, &rt::CheckBox::Click, [this] { Check1_Click(); });
    connectGuarded(Check2, &rt::CheckBox::Click, [this] { Check2_Click(); });
    connectGuarded(Check3, &rt::CheckBox::Click, [this] { Check3_Click(); });
    connectGuarded(Check4, &rt::CheckBox::Click, [this] { Check4_Click(); });
    connectGuarded(Text1, &rt::TextBox::Change, [this] { Text1_Change(); });
    connectGuarded(Text2, &rt::TextBox::Change, [this] { Text2_Change(); });
    connectGuarded(Combo1, &rt::ComboBox::Click, [this] { Combo1_Click(); });
    connectGuarded(Command1, &rt::CommandButton::Click, [this] { Command1_Click(); });
    connectGuarded(flex1, &rt::FlexGrid::DblClick, [this] { flex1_DblClick(); });
    connectGuarded(flex2, &rt::FlexGrid::Click, [this] { flex2_Click(); });
    connect(flex1, &rt::FlexGrid::KeyPress, this, [this](int keyAscii) {
        rt::runGuarded([&] { flex1_KeyPress(keyAscii); });
    });
    connect(flex2, &rt::FlexGrid::KeyPress, this, [this](int keyAscii) {
        rt::runGuarded([&] { flex2_KeyPress(keyAscii); });
    });
    // Control arrays share one handler, told the index of the button that raised the event.
    for (int index = 0; index < int(Option1.size()); ++index)
        connectGuarded(Option1[index], &rt::OptionButton::Click, [this, index] { Option1_Click(index); });
    for (int index = 0; index < int(Option2.size()); ++index)
        connectGuarded(Option2[index], &rt::OptionButton::Click, [this, index] { Option2_Click(index); });
    for (int index = 0; index < int(Option3.size()); ++index)
        connectGuarded(Option3[index], &rt::OptionButton::Click, [this, index] { Option3_Click(index); });
}

void Form1::Form_Load()
{
    connection().open(jetConnectionString(m_programFolder, NameDatabaseFile));
    rt::Recordset origins = connection().execute(QStringLiteral("select distinct asal from namabayi order by asal"));
    for (; !origins.eof(); origins.moveNext()) {
        // A row without an origin offers nothing to choose, so it gets no entry.
        const QVariant origin = origins.field(QStringLiteral("asal"));
        if (!origin.isNull())
            Combo1->addItem(origin.toString());
    }
    // Selecting from code raises Option1_Click, which in automatic mode already rebuilds once.
    Option1[0]->setValue(true);
    RefreshLists();
}

void Form1::Form_Unload(int& cancel)
{
    Q_UNUSED(cancel);
    connection().close();
}

// Filter, sort and letter controls: each change rebuilds both lists, but only in automatic mode.
void Form1::Check1_Click()
{
    requestRefreshIfAutomatic();
}
void Form1::Check2_Click()
{
    requestRefreshIfAutomatic();
}
void Form1::Check3_Click()
{
    requestRefreshIfAutomatic();
}
void Form1::Check4_Click()
{
    requestRefreshIfAutomatic();
}
void Form1::Text1_Change()
{
    requestRefreshIfAutomatic();
}
void Form1::Text2_Change()
{
    requestRefreshIfAutomatic();
}
void Form1::Combo1_Click()
{
    requestRefreshIfAutomatic();
}

void Form1::Option1_Click(int index)
{
    Q_UNUSED(index);
    requestRefreshIfAutomatic();
}

void Form1::Option2_Click(int index)
{
    Q_UNUSED(index);
    requestRefreshIfAutomatic();
}

void Form1::requestRefreshIfAutomatic()
{
    if (Option3[0]->value())
        requestRefresh();
}

void Form1::requestRefresh()
{
    ++m_refreshRequests;
    RefreshLists();
}

// Refresh mode: only switches the "Refresh" button; changes made meanwhile wait for the next rebuild.
void Form1::Option3_Click(int index)
{
    Q_UNUSED(index);
    Command1->setEnabled(!Option3[0]->value());
}

// "Refresh": the grids are disabled while the rebuild runs, so no toggle reaches a half-loaded list.
void Form1::Command1_Click()
{
    flex1->setEnabled(false);
    flex2->setEnabled(false);
    requestRefresh();
    flex1->setEnabled(true);
    flex2->setEnabled(true);
}

void Form1::flex1_DblClick()
{
    toggleFavourite(flex1);
}
void Form1::flex2_Click()
{
    toggleFavourite(flex2);
}

void Form1::toggleFavourite(rt::FlexGrid* grid)
{
    const int row = grid->row();
    // A grid showing only its header row has no name to toggle.
    if (row < 1)
        return;
    const QString name = grid->textMatrix(row, NameColumn);
    const QString sql = "update namabayi set fav=not fav where nama='" + quoteSql(name) + "'";
    connection().execute(sql);
    // The mark flips only once the statement has run, so a failed update leaves it as it was.
    flipMark(grid, row);
    m_undo->record({ sql, name, {}, {}, grid, row, m_refreshRequests });
    emit favouritesChanged();
}

void Form1::flipMark(rt::FlexGrid* grid, int row)
{
    const bool marked = grid->textMatrix(row, FavouriteColumn) == FavouriteMark;
    grid->setTextMatrix(row, FavouriteColumn, marked ? QString() : FavouriteMark);
}

} // namespace tervala
