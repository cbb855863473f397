// A browser window on a few names, shown and active, with the statements it sends read back from the SQL trace
// and errors recorded instead of ending the program.
#pragma once

#include "TestDatabase.h"
#include "TestSupport.h"
#include "browser/Form1.h"
#include "runtime/SqlTrace.h"
#include "runtime/UnhandledError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A meaning far too long for its cell, even on two lines.
inline const QString LongMeaning
    = QString("one who is loved by all and keeps the old stories of the family ").repeated(3);

class Form1Fixture : public ::testing::Test {
protected:
    Form1Fixture()
    {
        tervala::rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
        m_db.insert("namabayi",
                    "nama,arti,asal,jk",
                    { { "Aaron", LongMeaning, "Hebrew", "M" },
                      { "Adam", "man of the earth", "Hebrew", "M" },
                      { "Ahti", "god of the sea", "Finnish", "M" },
                      { "Ariel", "lion of God", "Hebrew", "M" },
                      { "Ariel", "lion of God", "Hebrew", "F" },
                      { "Anna", "grace", "Hebrew", "F" },
                      { "Aino", "the only one", "Finnish", "F" },
                      { "A'isha", "alive", "Arabic", "F" } });
    }
    ~Form1Fixture() override
    {
        m_form.reset();
        tervala::rt::setSqlTracePath({});
        tervala::rt::setUnhandledErrorHandler({});
    }

    // Loads, shows and activates the window; the trace starts after start-up.
    tervala::Form1& start()
    {
        m_form = std::make_unique<tervala::Form1>(m_db.folder());
        tervala::rt::runGuarded([&] { m_form->load(); });
        m_form->show();
        m_form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        tervala::rt::setSqlTracePath(m_traceDir.filePath("sql.log"));
        return *m_form;
    }

    // The statements sent since the last call, without the file name that starts each trace line.
    QStringList takeTrace()
    {
        QFile trace(tervala::rt::sqlTracePath());
        if (!trace.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(trace.readAll()).split('\n', Qt::SkipEmptyParts);
        trace.remove();
        for (QString& line : lines)
            line = line.section('\t', 1);
        return lines;
    }

    // "name gender" of every stored favourite.
    QStringList favourites() { return m_db.rows("select nama || ' ' || jk from namabayi where fav order by nama, jk"); }

    static QString toggleSql(const QString& quotedName)
    {
        return "update namabayi set fav=not fav where nama='" + quotedName + "'";
    }

    QTemporaryDir m_traceDir;
    TestDatabase m_db { "ter.va", "ter.va.sql" };
    std::unique_ptr<tervala::Form1> m_form;
    QStringList m_errors;
};
