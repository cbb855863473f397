// The browser window on a few names, shown and active, driven as a user drives it: the statements it sends read
// back from the SQL trace, and an error it reports fails the test. Also the readability checks that its tests and
// those of the windows built on it share.
#pragma once

#include "TestDatabase.h"
#include "browser/Form1.h"
#include "runtime/controls/Contrast.h"
#include "runtime/controls/Dialogs.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/database/SqlTrace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
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

// Runs check once under a light and once under a dark palette, then gives the application its own back.
inline void underLightAndDarkPalettes(const std::function<void()>& check)
{
    // Light text on dark grey, with a highlight that white text does not read on.
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    const QPalette original = QApplication::palette();
    for (const QPalette& palette : { QApplication::style()->standardPalette(), dark }) {
        QApplication::setPalette(palette);
        check();
    }
    QApplication::setPalette(original);
}

// The object names of the controls shown in window whose text reads at less than 4.5:1 on what is behind it, by
// the roles the style paints them with.
inline QStringList unreadableTexts(const QWidget& window)
{
    QStringList found;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isEnabled() || !control->isVisibleTo(&window))
            continue;
        const QPalette& colors = control->palette();
        double contrast = 21;
        if (qobject_cast<const QLineEdit*>(control)) {
            contrast = tervala::rt::contrastRatio(colors.color(QPalette::Text), colors.color(QPalette::Base));
        } else if (qobject_cast<const QComboBox*>(control) || qobject_cast<const QPushButton*>(control)) {
            contrast = tervala::rt::contrastRatio(colors.color(QPalette::ButtonText), colors.color(QPalette::Button));
        } else if (qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control)) {
            const QWidget* behind = control;
            while (!behind->isWindow() && !behind->autoFillBackground())
                behind = behind->parentWidget();
            contrast = tervala::rt::contrastRatio(colors.color(QPalette::WindowText),
                                                  behind->palette().color(behind->backgroundRole()));
        }
        if (contrast < 4.5)
            found << control->objectName();
    }
    return found;
}

// Where view reads at less than 4.5:1: its cells in their own colours or else the view's, its header, and its
// chosen rows with and without the keyboard.
inline QStringList unreadableCells(const QTableView& view)
{
    const QPalette& colors = view.palette();
    const auto colour
        = [](const QVariant& own, const QColor& otherwise) { return own.isValid() ? own.value<QColor>() : otherwise; };
    QStringList found;
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        for (int col = 0; col < view.model()->columnCount(); ++col) {
            const QModelIndex cell = view.model()->index(row, col);
            if (tervala::rt::contrastRatio(colour(cell.data(Qt::ForegroundRole), colors.color(QPalette::Text)),
                                           colour(cell.data(Qt::BackgroundRole), colors.color(QPalette::Base)))
                < 4.5)
                found << view.objectName() + QString(" cell %1,%2").arg(row).arg(col);
        }
    }
    const QPalette& header = view.horizontalHeader()->palette();
    if (tervala::rt::contrastRatio(header.color(QPalette::ButtonText), header.color(QPalette::Button)) < 4.5)
        found << view.objectName() + " header";
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        if (tervala::rt::contrastRatio(colors.color(group, QPalette::HighlightedText),
                                       colors.color(group, QPalette::Highlight))
            < 4.5)
            found << view.objectName() + " highlight " + QString::number(group);
    }
    return found;
}

class Form1Fixture : public ::testing::Test {
protected:
    Form1Fixture()
    {
        tervala::rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
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

    // Answers the window's dialogs from now on: a file dialog gives m_fileName, the print dialog prints to it as a
    // PDF file, and every message told goes to m_told ("warning: " before a warning). Only tests that expect
    // dialogs call it: elsewhere an unexpected dialog opens and holds the test.
    void answerDialogs()
    {
        tervala::rt::setDialogAnswers(
            { [this] { return m_fileName; },
              [this](QPrinter& printer) {
                  printer.setOutputFormat(QPrinter::PdfFormat);
                  printer.setOutputFileName(m_fileName);
                  return true;
              },
              [this](const QString& text, bool warning) { m_told << (warning ? "warning: " : "") + text; } });
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
        const QStringList lines
            = QString::fromUtf8(readFile(tervala::rt::sqlTracePath())).split('\n', Qt::SkipEmptyParts);
        QFile::remove(tervala::rt::sqlTracePath());
        return lines;
    }

    // Writes bytes, if any, to a file of that name in the test's folder and makes it the file the dialogs choose.
    void prepareFile(const QString& fileName, const QByteArray& bytes = {})
    {
        m_fileName = m_traceDir.filePath(fileName);
        if (!bytes.isEmpty()) {
            ASSERT_TRUE(writeFile(m_fileName, bytes));
        }
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
    QStringList favourites() { return m_db.plain("select nama || ' ' || jk from namabayi where fav order by 1"); }

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
