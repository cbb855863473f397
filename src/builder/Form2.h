// The builder window: four buttons, each running one stage of the name data builder over the staging
// database "db17000.mdb" in the program folder, inside its click. The buttons stay enabled while a stage runs,
// so a click during a stage's yield runs another stage nested in it; the stages allow that (see StageRun).
// Closing the window ends every running stage at its next yield.
#pragma once

#include "runtime/controls/Form.h"

#include <QString>

#include <memory>

namespace tervala {

namespace rt {
class CommandButton;
class Connection;
} // namespace rt

class StageRun;

class Form2 : public rt::Form {
    Q_OBJECT
public:
    // programFolder: the host folder that holds db17000.mdb, namaorigin.htm and drive_c, without a trailing "/".
    explicit Form2(const QString& programFolder, QWidget* parent = nullptr);
    ~Form2() override;

    rt::CommandButton* Command1; // origin page import into bayiorigin
    rt::CommandButton* Command2; // list page import into bayi20000
    rt::CommandButton* Command3; // refinement of bayi20000 into bayiorigin2
    rt::CommandButton* Command4; // merge of bayiorigin2 into namabayi

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The window's one connection, created on first use; every stage reopens it as its first step.
    rt::Connection& connection();
    StageRun startStage();

    QString m_programFolder;
    std::unique_ptr<rt::Connection> m_connection;
};

} // namespace tervala
