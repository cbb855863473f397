// The browser window on a few names, shown and active, driven as a user drives it: the statements it sends read
// back from the SQL trace, and an error it reports fails the test.
#pragma once

#include "TestDatabase.h"
#include "browser/Form1.h"
#include "runtime/controls/Dialogs.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/database/SqlTrace.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A meaning far too long for its cell, even on two lines.
inline const QString LongMeaning
    = QString("one who is loved by all and keeps the old stories of the family ").repeated(3);

// Cells of one column of the data rows, joined by "|".
inline QString column(const tervala::rt::FlexGrid* grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid->rows(); ++row)
        cells << grid->textMatrix(row, col);
    return cells.join('|');
}

inline QPoint cellCentre(const tervala::rt::FlexGrid* grid, int row, int col)
{
    return grid->visualRect(grid->model()->index(row - 1, col)).center();
}

class Form1Fixture : public ::testing::Test {
protected:
    Form1Fixture()
    {
        tervala::rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
        // A file dialog gives m_fileName, the print dialog prints to it as a PDF file, and every message told goes
        // to m_told ("warning: " before a warning).
        tervala::rt::setDialogAnswers(
            { [this] { return m_fileName; },
              [this](QPrinter& printer) {
                  printer.setOutputFormat(QPrinter::PdfFormat);
                  printer.setOutputFileName(m_fileName);
                  return true;
              },
              [this](const QString& text, bool warning) { m_told << (warning ? "warning: " : "") + text; } });
        // name/meaning/origin/gender. Each gender's names have meanings and origins of their own, which order the
        // list otherwise than the names do. Cyrus has no origin.
        const QString names = "Aaron/" + LongMeaning
            + "/Hebrew/M,abel/breath/Assyrian/M,Adam/man of the earth/Phoenician/M,Ahti/god of the sea/Finnish/M,"
              "Ariel/lion of God/Aramaic/M,Ben/son/Hebrew/M,Cyrus/sun//M,A'isha/alive/Arabic/F,"
              "Aino/the only one/Finnish/F,Anna/grace/Hebrew/F,Ariel/lion of God/Aramaic/F,Bella/beautiful/Italian/F";
        for (const QString& row : names.split(',')) {
            const QStringList f = row.split('/');
            m_db.execute("insert into namabayi(nama,arti,asal,jk) values(?,?,nullif(?,''),?)",
                         { f[0], f[1], f[2], f[3] });
        }
    }
    ~Form1Fixture() override
    {
        m_form.reset();
        tervala::rt::setSqlTracePath({});
        tervala::rt::setUnhandledErrorHandler({});
        tervala::rt::setDialogAnswers({});
    }

    void TearDown() override { EXPECT_EQ(m_errors, QStringList()); }

    // Loads, shows and activates a new window; the trace starts after start-up.
    tervala::Form1& start()
    {
        tervala::rt::setSqlTracePath({});
        m_form = std::make_unique<tervala::Form1>(m_db.folder());
        tervala::rt::runGuarded([&] { m_form->load(); });
        m_form->show();
        m_form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        tervala::rt::setSqlTracePath(m_traceDir.filePath("sql.log"));
        return *m_form;
    }

    // Steps separated by ",": "Check2" clicks a control's box, "Text1 on" types into a text box, "Combo1 Finnish"
    // chooses an entry.
    void perform(const QString& steps)
    {
        for (const QString& step : steps.split(',', Qt::SkipEmptyParts)) {
            const QString text = step.trimmed().section(' ', 1);
            auto* control = m_form->findChild<QWidget*>(step.trimmed().section(' ', 0, 0));
            ASSERT_TRUE(control) << step.toStdString();
            if (auto* list = qobject_cast<tervala::rt::ComboBox*>(control))
                list->setCurrentIndex(list->findText(text));
            else if (!text.isEmpty())
                QTest::keyClicks(control, text);
            else
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        }
    }

    // The lines of the trace since the last call, each "<file>\t<statement>".
    QStringList takeTrace()
    {
        QFile trace(tervala::rt::sqlTracePath());
        if (!trace.open(QIODevice::ReadOnly))
            return {};
        const QStringList lines = QString::fromUtf8(trace.readAll()).split('\n', Qt::SkipEmptyParts);
        trace.remove();
        return lines;
    }

    // Writes bytes, if any, to a file of that name in the test's folder and makes it the file the dialogs choose.
    void prepareFile(const QString& fileName, const QByteArray& bytes = {})
    {
        m_fileName = m_traceDir.filePath(fileName);
        if (bytes.isEmpty())
            return;
        QFile file(m_fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Runs an entry of the girls' grid's row menu on such a file and returns what the user was told.
    QStringList runEntry(const char* entry, const QString& fileName, const QByteArray& bytes = {})
    {
        prepareFile(fileName, bytes);
        m_told.clear();
        m_form->createGridMenu(m_form->flex2)->findChild<QAction*>(entry)->trigger();
        return m_told;
    }

    // Column col of the boys' grid and of the girls' grid, "boys/girls".
    QString lists(int col = 0) const { return column(m_form->flex1, col) + "/" + column(m_form->flex2, col); }

    // "name gender" of every stored favourite, read without a trace line.
    QStringList favourites()
    {
        return TestDatabase::plainSqlite(m_db.path(), "select nama || ' ' || jk from namabayi where fav order by 1");
    }

    static QString toggleSql(const QString& quotedName)
    {
        return "ter.va\tupdate namabayi set fav=not fav where nama='" + quotedName + "'";
    }

    QTemporaryDir m_traceDir;
    TestDatabase m_db { "ter.va", "ter.va.sql" };
    std::unique_ptr<tervala::Form1> m_form;
    QStringList m_errors;
    QString m_fileName;
    QStringList m_told;
};
