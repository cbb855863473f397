// The shortlist window's controls and handlers. Each handler reads the controls, calls the plain functions of
// Shortlist.h, FullName.h and the store, and shows the result; the partner's file, export and print are in
// ShortlistWindowTransfer.cpp.
#include "shortlist/ShortlistWindow.h"

#include "namedb/ConnectionString.h"
#include "popularity/PopularityFile.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/database/Connection.h"
#include "runtime/database/DbError.h"
#include "shortlist/ShortlistGender.h"
#include "shortlist/ShortlistModel.h"
#include "shortlist/ShortlistView.h"
#include "shortlist/UsStanding.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tervala {

namespace {

// Keys of the texts the window keeps in the store.
const QString SurnameSetting = QStringLiteral("surname");
const QString MiddleNameSetting = QStringLiteral("middle name");
const QString PartnerSetting = QStringLiteral("partner");
const QString GeometrySetting = QStringLiteral("geometry");

QPushButton* button(const QString& text, const char* objectName, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(objectName));
    made->setAutoDefault(false);
    return made;
}

// A label for control, whose access key moves the focus to it.
QLabel* labelFor(const QString& text, QWidget* control, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

} // namespace

ShortlistWindow::ShortlistWindow(const QString& programFolder, const QString& speechEngine, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_programFolder(programFolder)
    , m_connection(std::make_unique<rt::Connection>())
    , m_speaker(speechEngine)
    , m_model(new ShortlistModel(this))
{
    setObjectName(QStringLiteral("ShortlistWindow"));
    setWindowTitle(tr("Shortlist - Tervala"));
    createControls();
    describeControls();
    m_connection->open(jetConnectionString(programFolder, NameDatabaseFile));
    m_store = std::make_unique<ShortlistStore>(*m_connection);
    restoreTexts();
    connectHandlers();
    // The keyboard starts on the names, where Alt+Up, Alt+Down and Alt+S act at once.
    list->setFocus();
}

ShortlistWindow::~ShortlistWindow() = default;

void ShortlistWindow::createControls()
{
    partnerList = new QComboBox(this);
    partnerList->setObjectName(QStringLiteral("partnerList"));
    partnerList->setPlaceholderText(tr("(no partner yet)"));
    partnerList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    compareButton = button(tr("&Compare with a Partner's Favourites…"), "compareButton", this);
    removePartnerButton = button(tr("Remo&ve Partner"), "removePartnerButton", this);
    filterList = new QComboBox(this);
    filterList->setObjectName(QStringLiteral("filterList"));
    filterList->addItems({ tr("All"), tr("Both of us"), tr("Only mine"), tr("Only the partner's") });
    surnameBox = new QLineEdit(this);
    surnameBox->setObjectName(QStringLiteral("surnameBox"));
    middleNameBox = new QLineEdit(this);
    middleNameBox->setObjectName(QStringLiteral("middleNameBox"));
    middleNameBox->setPlaceholderText(tr("optional"));
    list = new ShortlistView(m_model, this);
    list->setObjectName(QStringLiteral("list"));
    moveUpButton = button(tr("Move Up"), "moveUpButton", this);
    moveDownButton = button(tr("Move Down"), "moveDownButton", this);
    sayButton = button(tr("&Say"), "sayButton", this);
    exportButton = button(tr("&Export…"), "exportButton", this);
    printButton = button(tr("Pr&int…"), "printButton", this);
    closeButton = button(tr("Close"), "closeButton", this);

    // Alt+Up and Alt+Down move the chosen row while the table has the keyboard; the buttons do it for the mouse.
    auto* moveUp = new QAction(tr("Move Up"), list);
    moveUp->setObjectName(QStringLiteral("moveUp"));
    moveUp->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    moveUp->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(moveUp);
    auto* moveDown = new QAction(tr("Move Down"), list);
    moveDown->setObjectName(QStringLiteral("moveDown"));
    moveDown->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    moveDown->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(moveDown);
    connect(moveUp, &QAction::triggered, moveUpButton, &QPushButton::click);
    connect(moveDown, &QAction::triggered, moveDownButton, &QPushButton::click);
    auto* closing = new QAction(this);
    closing->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(closing);
    connect(closing, &QAction::triggered, this, &QWidget::close);

    auto* partnerRow = new QHBoxLayout;
    partnerRow->addWidget(labelFor(tr("&Partner:"), partnerList, this));
    partnerRow->addWidget(partnerList);
    partnerRow->addWidget(compareButton);
    partnerRow->addWidget(removePartnerButton);
    partnerRow->addStretch();
    partnerRow->addWidget(labelFor(tr("S&how:"), filterList, this));
    partnerRow->addWidget(filterList);

    auto* familyRow = new QHBoxLayout;
    familyRow->addWidget(labelFor(tr("S&urname:"), surnameBox, this));
    familyRow->addWidget(surnameBox, 1);
    familyRow->addWidget(labelFor(tr("&Middle name:"), middleNameBox, this));
    familyRow->addWidget(middleNameBox, 1);

    auto* buttonRow = new QHBoxLayout;
    for (QPushButton* item : { moveUpButton, moveDownButton, sayButton })
        buttonRow->addWidget(item);
    buttonRow->addStretch();
    for (QPushButton* item : { exportButton, printButton, closeButton })
        buttonRow->addWidget(item);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(partnerRow);
    layout->addLayout(familyRow);
    layout->addWidget(
        labelFor(tr("&Names, best first (drag a name, or press Alt+Up or Alt+Down, to change its place):"),
                 list,
                 this));
    layout->addWidget(list, 1);
    layout->addLayout(buttonRow);

    sayButton->setEnabled(m_speaker.isAvailable());
    sayButton->setToolTip(m_speaker.isAvailable() ? tr("Speaks the chosen full name (Alt+S)")
                                                  : NameSpeaker::missingEngineText());
    moveUpButton->setToolTip(tr("Moves the chosen name one place up (Alt+Up in the list)"));
    moveDownButton->setToolTip(tr("Moves the chosen name one place down (Alt+Down in the list)"));
}

void ShortlistWindow::describeControls()
{
    const std::pair<QWidget*, QString> names[] = {
        { this, tr("Shortlist of favourite names") },
        { partnerList, tr("Partner compared with") },
        { compareButton, tr("Compare with a partner's favourites") },
        { removePartnerButton, tr("Remove partner") },
        { filterList, tr("Show") },
        { surnameBox, tr("Surname") },
        { middleNameBox, tr("Middle name") },
        { list, tr("Shortlist") },
        { moveUpButton, tr("Move up") },
        { moveDownButton, tr("Move down") },
        { sayButton, tr("Say the name") },
        { exportButton, tr("Export the shortlist") },
        { printButton, tr("Print the shortlist") },
        { closeButton, tr("Close the shortlist") },
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
    const std::pair<QWidget*, QString> descriptions[] = {
        { partnerList, tr("The partner whose marks the list shows beside yours") },
        { compareButton,
          tr("Reads a favourites file that a partner exported and keeps their marks under their name, apart from "
             "yours") },
        { removePartnerButton, tr("Forgets the marks of the partner compared with") },
        { filterList, tr("All names, the names both of you marked, only yours, or only the partner's") },
        { surnameBox, tr("The family name: each row then shows the full name and its initials") },
        { middleNameBox, tr("Optional; goes between the first name and the surname") },
        { list,
          tr("Names in rank order, best first, with whose marks each has. Alt+Up and Alt+Down move the chosen "
             "name") },
        { moveUpButton, tr("Moves the chosen name one place up") },
        { moveDownButton, tr("Moves the chosen name one place down") },
        { sayButton, sayButton->toolTip() },
        { exportButton, tr("Writes the names shown, in rank order, to a favourites file") },
        { printButton, tr("Prints the names shown, in rank order") },
    };
    for (const auto& [control, description] : descriptions)
        control->setAccessibleDescription(description);
}

void ShortlistWindow::connectHandlers()
{
    const auto guarded = [this](auto* sender, auto signal, std::function<void()> handler) {
        connect(sender, signal, this, [handler = std::move(handler)] { rt::runGuarded(handler); });
    };
    guarded(partnerList, &QComboBox::activated, [this] { choosePartner(chosenPartner()); });
    guarded(filterList, &QComboBox::activated, [this] { showEntries(); });
    guarded(surnameBox, &QLineEdit::textChanged, [this] { familyNamesChanged(); });
    guarded(middleNameBox, &QLineEdit::textChanged, [this] { familyNamesChanged(); });
    guarded(compareButton, &QPushButton::clicked, [this] { compareWithPartner(); });
    guarded(removePartnerButton, &QPushButton::clicked, [this] { removePartner(); });
    guarded(moveUpButton, &QPushButton::clicked, [this] { moveCurrent(-1); });
    guarded(moveDownButton, &QPushButton::clicked, [this] { moveCurrent(1); });
    guarded(sayButton, &QPushButton::clicked, [this] { sayCurrent(); });
    guarded(exportButton, &QPushButton::clicked, [this] { exportShown(); });
    guarded(printButton, &QPushButton::clicked, [this] { printShown(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(list, &ShortlistView::rowDropped, this, [this](int from, int to) {
        rt::runGuarded([&] { moveRow(from, to); });
    });
    // The program ends with the browser, without hiding this window first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { rt::runGuarded([this] { saveGeometryNow(); }); });
}

void ShortlistWindow::restoreTexts()
{
    surnameBox->setText(m_store->setting(SurnameSetting));
    middleNameBox->setText(m_store->setting(MiddleNameSetting));
    m_model->setFamilyNames(middleNameBox->text(), surnameBox->text());
    fillPartnerList(m_store->setting(PartnerSetting));
    const QByteArray geometry = QByteArray::fromBase64(m_store->setting(GeometrySetting).toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(960, 480);
}

void ShortlistWindow::saveGeometryNow()
{
    m_store->setSetting(GeometrySetting, QString::fromLatin1(saveGeometry().toBase64()));
}

void ShortlistWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    rt::runGuarded([this] { reload(); });
}

void ShortlistWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    rt::runGuarded([this] { saveGeometryNow(); });
}

void ShortlistWindow::followFavourites()
{
    if (isVisible())
        rt::runGuarded([this] { reload(); });
}

void ShortlistWindow::reload()
{
    const std::vector<NameRow> mine = m_store->myFavourites();
    QStringList names = m_store->namesMarkedByPartners();
    for (const NameRow& row : mine)
        names << row.nama;
    const QStringList stored = m_store->ranking();
    m_order = rankedOrder(stored, keysOf(names));
    if (m_order != stored)
        m_store->storeRanking(m_order);
    const QString partner = chosenPartner();
    m_entries
        = composeShortlist(mine, partner.isEmpty() ? std::vector<NameRow>() : m_store->partnerRows(partner), m_order);
    showEntries();
}

void ShortlistWindow::showEntries()
{
    const QString keep = currentKey();
    const auto filter = ShortlistFilter(filterList->currentIndex());
    std::vector<ShortlistEntry> shown;
    for (const ShortlistEntry& entry : m_entries) {
        if (passesFilter(entry, filter))
            shown.push_back(entry);
    }
    const QHash<QString, QString> standings = usStandings(shown);
    m_model->setEntries(std::move(shown), chosenPartner(), standings);
    list->setColumnHidden(ShortlistModel::UsRankColumn, !m_popularity);
    showFamilyColumns();
    list->resizeColumnsToContents();
    selectKey(keep);
}

void ShortlistWindow::fillPartnerList(const QString& partner)
{
    const QStringList partners = m_store->partners();
    partnerList->clear();
    partnerList->addItems(partners);
    const qsizetype index = partners.indexOf(partner);
    partnerList->setCurrentIndex(index >= 0 ? int(index) : (partners.isEmpty() ? -1 : 0));
    partnerList->setEnabled(!partners.isEmpty());
    removePartnerButton->setEnabled(!partners.isEmpty());
    const QString chosen = chosenPartner();
    filterList->setItemText(int(ShortlistFilter::OnlyPartners),
                            chosen.isEmpty() ? tr("Only the partner's") : tr("Only %1's").arg(chosen));
}

void ShortlistWindow::choosePartner(const QString& partner)
{
    fillPartnerList(partner);
    m_store->setSetting(PartnerSetting, chosenPartner());
    reload();
}

QString ShortlistWindow::chosenPartner() const
{
    return partnerList->currentIndex() >= 0 ? partnerList->currentText() : QString();
}

QHash<QString, QString> ShortlistWindow::usStandings(const std::vector<ShortlistEntry>& entries)
{
    QHash<QString, QString> standings;
    try {
        if (!m_popularity)
            m_popularity = PopularityFile::openIn(m_programFolder);
        if (!m_popularity)
            return standings;
        for (const ShortlistEntry& entry : entries) {
            QStringList parts;
            const std::vector<Gender> genders = gendersOf(entry.rows);
            for (const Gender gender : genders) {
                const QString cacheKey = entry.key + u'\t' + genderCode(gender);
                if (!m_standingCache.contains(cacheKey)) {
                    const QList<YearCount> history = m_popularity->history(entry.name, gender);
                    m_standingCache.insert(cacheKey,
                                           usStandingText(usStanding(history, m_popularity->note().lastYear)));
                }
                const QString text = m_standingCache.value(cacheKey);
                parts << (genders.size() > 1 ? tr("%1: %2").arg(genderWord(gender), text) : text);
            }
            standings.insert(entry.key, parts.join(QStringLiteral("; ")));
        }
    } catch (const rt::DbError&) {
        // The US rank is an optional extra: a damaged popularity.db leaves its column out, the names still show.
        m_popularity.reset();
        standings.clear();
    }
    return standings;
}

QString ShortlistWindow::currentKey() const
{
    const int row = list->currentIndex().row();
    return row >= 0 && row < m_model->rowCount() ? m_model->entry(row).key : QString();
}

void ShortlistWindow::selectKey(const QString& key)
{
    int row = m_model->rowOf(key);
    if (row < 0 && m_model->rowCount() > 0)
        row = 0;
    if (row >= 0)
        list->setCurrentIndex(m_model->index(row, ShortlistModel::NameColumn));
}

void ShortlistWindow::moveCurrent(int step)
{
    const int from = list->currentIndex().row();
    if (from >= 0 && from + step >= 0 && from + step < m_model->rowCount())
        moveRow(from, from + step);
}

void ShortlistWindow::moveRow(int from, int to)
{
    const QString key = m_model->entry(from).key;
    const QString target = m_model->entry(to).key;
    m_store->storeRanking(moveInOrder(m_order, key, target, to < from ? Place::Before : Place::After));
    reload();
    selectKey(key);
}

void ShortlistWindow::sayCurrent()
{
    const int row = list->currentIndex().row();
    if (row < 0)
        return;
    QStringList origins;
    for (const NameRow& name : m_model->entry(row).rows)
        origins << name.asal;
    m_speaker.say(m_model->fullNameOf(row), origins);
}

void ShortlistWindow::familyNamesChanged()
{
    m_store->setSetting(SurnameSetting, surnameBox->text());
    m_store->setSetting(MiddleNameSetting, middleNameBox->text());
    m_model->setFamilyNames(middleNameBox->text(), surnameBox->text());
    showFamilyColumns();
}

void ShortlistWindow::showFamilyColumns()
{
    const bool family = !surnameBox->text().trimmed().isEmpty();
    for (const int column : { ShortlistModel::FullNameColumn, ShortlistModel::InitialsColumn }) {
        list->setColumnHidden(column, !family);
        list->resizeColumnToContents(column);
    }
}

} // namespace tervala
