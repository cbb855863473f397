// One shared PopularitySource serves both extension points. A lookup that fails (a damaged file) says so in
// its own line or message and leaves the window running: the file is an optional extra, and the names still show.
#include "browser/PopularityEntries.h"

#include "browser/Form1.h"
#include "browser/ListRow.h"
#include "browser/PopularityChart.h"
#include "popularity/PopularityFile.h"
#include "popularity/PopularityText.h"
#include "runtime/controls/Dialogs.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/database/DbError.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <memory>

namespace tervala {

namespace {

// popularity.db of one folder, opened at the first request that finds it.
class PopularitySource {
public:
    explicit PopularitySource(QString folder)
        : m_folder(std::move(folder))
    {
    }

    // The open file, or nullptr while the folder holds none. Throws DbError when the file is no popularity file.
    PopularityFile* file()
    {
        if (!m_file)
            m_file = PopularityFile::openIn(m_folder);
        return m_file.get();
    }

private:
    QString m_folder;
    std::unique_ptr<PopularityFile> m_file;
};

} // namespace

void addPopularityEntries(Form1& browser, const QString& programFolder)
{
    auto source = std::make_shared<PopularitySource>(programFolder);

    browser.addToolTipLines([source](const Form1::NameCell& cell) -> QStringList {
        if (cell.column != NameColumn)
            return {};
        try {
            PopularityFile* file = source->file();
            if (!file)
                return {};
            const Gender gender = cell.gender;
            const NameRecord record = file->record(cell.name, gender);
            return { popularityLine(record.years,
                                    gender,
                                    file->note(),
                                    record.spelling == cell.name ? QString() : record.spelling) };
        } catch (const rt::DbError& error) {
            return { QCoreApplication::translate("PopularityEntries", "US: %1 cannot be read: %2")
                         .arg(PopularityFileName, error.message()) };
        }
    });

    browser.addMenuEntries([source, &browser](QMenu& menu, const Form1::NameCell& cell) {
        try {
            if (!source->file())
                return;
        } catch (const rt::DbError&) {
            return; // the name's tooltip tells why; the menu offers no chart of a file it cannot read
        }
        QAction* entry = menu.addAction(QCoreApplication::translate("PopularityEntries", "&Popularity over time…"));
        entry->setObjectName(QStringLiteral("popularityChart"));
        QObject::connect(entry, &QAction::triggered, &browser, [source, &browser, name = cell.name] {
            rt::runGuarded([&] {
                PopularityFile* file = source->file();
                QList<YearCount> girls;
                QList<YearCount> boys;
                // A file damaged since it was opened is reported here, and the window goes on without a chart.
                try {
                    girls = file->record(name, Gender::Female).years;
                    boys = file->record(name, Gender::Male).years;
                } catch (const rt::DbError& error) {
                    rt::tell(&browser,
                             QCoreApplication::translate("PopularityEntries", "Popularity over time"),
                             QCoreApplication::translate("PopularityEntries", "US: %1 cannot be read: %2")
                                 .arg(PopularityFileName, error.message()),
                             true);
                    return;
                }
                auto* chart = new PopularityChart(name, girls, boys, file->note(), &browser);
                chart->show();
            });
        });
    });
}

} // namespace tervala
