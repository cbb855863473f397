// The browser window's lifecycle and handlers: start-up and shut-down, the refresh policy of the filter controls,
// and the favourite toggle. The list rebuild itself is in Form1Lists.cpp, the layout in Form1Layout.cpp.
#include "browser/Form1.h"

#include "namedb/ConnectionString.h"
#include "namedb/Quoting.h"
#include "runtime/UnhandledError.h"

namespace tervala {

Form1::Form1(const QString& programFolder, QWidget* parent)
    : rt::Form(QStringLiteral("Form1"), parent)
    , m_programFolder(programFolder)
{
    createControls();
    connectHandlers();
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
    // Every handler runs guarded: an error that escapes it is reported and ends the program.
    auto guarded
        = [this](void (Form1::*handler)()) { return [this, handler] { rt::runGuarded([&] { (this->*handler)(); }); }; };
    connect(Check1, &rt::CheckBox::Click, this, guarded(&Form1::Check1_Click));
    connect(Check2, &rt::CheckBox::Click, this, guarded(&Form1::Check2_Click));
    connect(Check3, &rt::CheckBox::Click, this, guarded(&Form1::Check3_Click));
    connect(Check4, &rt::CheckBox::Click, this, guarded(&Form1::Check4_Click));
    connect(Text1, &rt::TextBox::Change, this, guarded(&Form1::Text1_Change));
    connect(Text2, &rt::TextBox::Change, this, guarded(&Form1::Text2_Change));
    connect(Combo1, &rt::ComboBox::Click, this, guarded(&Form1::Combo1_Click));
    connect(Command1, &rt::CommandButton::Click, this, guarded(&Form1::Command1_Click));
    connect(flex1, &rt::FlexGrid::DblClick, this, guarded(&Form1::flex1_DblClick));
    connect(flex2, &rt::FlexGrid::Click, this, guarded(&Form1::flex2_Click));
    // Control arrays share one handler, told the index of the button that raised the event.
    auto guardedArray = [this](void (Form1::*handler)(int), rt::OptionButton* option) {
        return [this, handler, option] { rt::runGuarded([&] { (this->*handler)(option->index()); }); };
    };
    for (rt::OptionButton* option : Option1)
        connect(option, &rt::OptionButton::Click, this, guardedArray(&Form1::Option1_Click, option));
    for (rt::OptionButton* option : Option2)
        connect(option, &rt::OptionButton::Click, this, guardedArray(&Form1::Option2_Click, option));
    for (rt::OptionButton* option : Option3)
        connect(option, &rt::OptionButton::Click, this, guardedArray(&Form1::Option3_Click, option));
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
    if (!Option3[0]->value())
        return;
    m_restart = true;
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
    m_restart = true;
    ++m_refreshRequests;
    RefreshLists();
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
    const QString name = grid->textMatrix(row, 0);
    connection().execute("update namabayi set fav=not fav where nama='" + quoteSql(name) + "'");
    // The mark flips only once the statement has run, so a failed update leaves it as it was.
    const bool marked = grid->textMatrix(row, 3) == QStringLiteral("V");
    grid->setTextMatrix(row, 3, marked ? QString() : QStringLiteral("V"));
}

} // namespace tervala
