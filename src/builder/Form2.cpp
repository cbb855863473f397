#include "builder/Form2.h"

#include "builder/Form2Accessibility.h"
#include "builder/ListImport.h"
#include "builder/Merge.h"
#include "builder/OriginImport.h"
#include "builder/Refinement.h"
#include "builder/StageRun.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Twips.h"
#include "runtime/controls/WindowShortcuts.h"
#include "runtime/database/Connection.h"

namespace tervala {

Form2::Form2(const QString& programFolder, QWidget* parent)
    : rt::Form(QStringLiteral("Form2"), parent)
    , Command1(new rt::CommandButton(this, QStringLiteral("Command1"), QStringLiteral("Command1")))
    , Command2(new rt::CommandButton(this, QStringLiteral("Command2"), QStringLiteral("Command2")))
    , Command3(new rt::CommandButton(this, QStringLiteral("Command3"), QStringLiteral("Command3")))
    , Command4(new rt::CommandButton(this, QStringLiteral("Command4"), QStringLiteral("Command4")))
    , m_programFolder(programFolder)
{
    setCaption(QStringLiteral("Form2"));
    setClientSizeTwips(4680, 3195);
    rt::setTwipsGeometry(Command1, 210, 675, 2295, 1095);
    rt::setTwipsGeometry(Command2, 705, 2085, 2730, 1035);
    rt::setTwipsGeometry(Command3, 3360, 315, 900, 1305);
    rt::setTwipsGeometry(Command4, 3900, 1890, 570, 1185);
    setTabOrderByIndex({ { 0, Command1 }, { 1, Command2 }, { 2, Command3 }, { 3, Command4 } });
    applyForm2Accessibility(*this);
    rt::addQuitShortcut(this);
    rt::addCloseShortcut(this);

    connectGuarded(Command1, &rt::CommandButton::Click, [this] { Command1_Click(); });
    connectGuarded(Command2, &rt::CommandButton::Click, [this] { Command2_Click(); });
    connectGuarded(Command3, &rt::CommandButton::Click, [this] { Command3_Click(); });
    connectGuarded(Command4, &rt::CommandButton::Click, [this] { Command4_Click(); });
}

Form2::~Form2() = default;

void Form2::Command1_Click()
{
    StageRun run = startStage();
    runOriginImport(run);
}

void Form2::Command2_Click()
{
    StageRun run = startStage();
    runListImport(run);
}

void Form2::Command3_Click()
{
    StageRun run = startStage();
    runRefinement(run);
}

void Form2::Command4_Click()
{
    StageRun run = startStage();
    runMerge(run);
}

rt::Connection& Form2::connection()
{
    if (!m_connection)
        m_connection = std::make_unique<rt::Connection>();
    return *m_connection;
}

StageRun Form2::startStage()
{
    return StageRun(
        connection(),
        m_programFolder,
        [this](const QString& caption) { setCaption(caption); },
        [this] { return isUnloaded(); });
}

} // namespace tervala
