// The shortlist window: every favourite of the user and of the partner compared with, one row per name, in the
// order of the ranking; the partner's marks imported from their favourites file and kept apart from fav; the
// full name with the family's surname and middle name; and the chosen name spoken. It owns one connection to
// the name database, opened when the window is made, and keeps its own tables there (ShortlistStore.h).
// Re-entry: none of its handlers yields, so each runs to its end before the next event.
#pragma once

#include "shortlist/NameSpeaker.h"
#include "shortlist/Shortlist.h"
#include "shortlist/ShortlistStore.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tervala {

namespace rt {
class Connection;
}
class PopularityFile;
class ShortlistModel;
class ShortlistView;

class ShortlistWindow : public QWidget {
    Q_OBJECT

public:
    // programFolder: where ter.va and, when present, popularity.db lie. speechEngine: the Qt TextToSpeech engine,
    // empty for the first one installed. Throws DbError when ter.va cannot be opened.
    ShortlistWindow(const QString& programFolder, const QString& speechEngine, QWidget* parent = nullptr);
    ~ShortlistWindow() override;

    // Reads the marks and the ranking again and shows them, keeping the chosen row.
    void reload();
    // Reloads when shown; a hidden window reloads when it shows again.
    void followFavourites();

    QComboBox* partnerList;
    QPushButton* compareButton;
    QPushButton* removePartnerButton;
    QComboBox* filterList; // by ShortlistFilter: All, Both, OnlyMine, OnlyPartners
    QLineEdit* surnameBox;
    QLineEdit* middleNameBox;
    ShortlistView* list;
    QPushButton* moveUpButton;
    QPushButton* moveDownButton;
    QPushButton* sayButton;
    QPushButton* exportButton;
    QPushButton* printButton;
    QPushButton* closeButton;

    ShortlistModel* model() const { return m_model; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    // Names and describes each control for a screen reader, in words a listener understands.
    void describeControls();
    void connectHandlers();
    void restoreTexts();
    void saveGeometryNow();

    void showEntries();
    // Lists the stored partners and chooses partner, else the first; the first show chooses the one chosen last.
    void fillPartnerList(const QString& partner);
    // Lists the partners, chooses partner (else the first), keeps the choice and shows the comparison.
    void choosePartner(const QString& partner);
    QString chosenPartner() const;
    // The US standing of each entry by key; none without popularity.db.
    QHash<QString, QString> usStandings(const std::vector<ShortlistEntry>& entries);
    QString currentKey() const;
    void selectKey(const QString& key);

    void moveCurrent(int step);
    void moveRow(int from, int to);
    void sayCurrent();
    void familyNamesChanged();
    // The full name and initials columns show while a surname is typed.
    void showFamilyColumns();

    // Partner's favourites, export and print (ShortlistWindowTransfer.cpp).
    void compareWithPartner();
    void removePartner();
    void exportShown();
    void printShown();

    QString m_programFolder;
    std::unique_ptr<rt::Connection> m_connection;
    std::unique_ptr<ShortlistStore> m_store;
    std::unique_ptr<PopularityFile> m_popularity; // looked for at each reload until found
    QHash<QString, QString> m_standingCache; // by name and gender code: the file does not change while shown
    NameSpeaker m_speaker;
    ShortlistModel* m_model;
    QStringList m_order; // the stored ranking of every marked name
    std::vector<ShortlistEntry> m_entries; // of the comparison, whatever the filter hides
};

} // namespace tervala
