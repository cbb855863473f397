// The browser window with its shortlist attached, on the browser's few test names, as a user drives both: the
// shortlist opened with Ctrl+L, the dialogs answered by the test, and the shown rows read back from its table.
#pragma once

#include "browser/Form1Fixture.h"
#include "shortlist/PartnerNameDialog.h"
#include "shortlist/ShortlistAttach.h"
#include "shortlist/ShortlistModel.h"
#include "shortlist/ShortlistWindow.h"

class ShortlistFixture : public Form1Fixture {
protected:
    ShortlistFixture()
    {
        answerDialogs();
        tervala::setPartnerNameAnswer([this] { return m_partnerName; });
    }
    ~ShortlistFixture() override { tervala::setPartnerNameAnswer({}); }

    // Marks the favourites given, starts the browser with the shortlist attached, without a speech engine, and
    // opens the shortlist as a user does, with Ctrl+L.
    tervala::ShortlistWindow& openShortlist(const QStringList& favourites = {})
    {
        if (!favourites.isEmpty())
            m_db.execute("update namabayi set fav=1 where nama in ('" + favourites.join("', '") + "')");
        tervala::Form1& form = start();
        tervala::attachShortlist(form, m_db.folder(), QStringLiteral("no-engine"));
        QTest::keyClick(&form, Qt::Key_L, Qt::ControlModifier);
        auto* window = form.findChild<tervala::ShortlistWindow*>();
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        activate(window);
        return *window;
    }

    // A window that shares activation with its parent counts as active while the browser is; the keyboard
    // reaches its shortcuts only once it is the active window itself.
    static void activate(QWidget* window)
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
    }

    // Ends the browser and its shortlist, as closing the program does.
    void closeAll()
    {
        m_form->close();
        m_form.reset();
    }

    // "name marked-by" of each row the shortlist shows, in its order.
    QStringList shown() const
    {
        const tervala::ShortlistModel* model = m_form->findChild<tervala::ShortlistWindow*>()->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, tervala::ShortlistModel::NameColumn).data().toString() + " "
                    + model->index(row, tervala::ShortlistModel::MarkedByColumn).data().toString();
        }
        return rows;
    }

    QString m_partnerName;
};
