// The browser window: two name lists (boys in flex1, girls in flex2) narrowed by the filter controls above them.
// Control names are those of the window's original design; handlers are named <Control>_<Event>.
// Re-entry: RefreshLists yields after every row, so any handler, including another refresh request, a favourite
// toggle or the unload, can run nested inside it; m_refreshRequests makes the older rebuild give up.
#pragma once

#include "browser/FavouriteChange.h"
#include "browser/FavouriteStore.h"
#include "browser/FilterQuery.h"
#include "runtime/controls/CheckBox.h"
#include "runtime/controls/ComboBox.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/FlexGrid.h"
#include "runtime/controls/Form.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/OptionButton.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/controls/Shape.h"
#include "runtime/controls/TextBox.h"
#include "runtime/database/Connection.h"

#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace tervala {

class FavouriteUndo;
class FavouritesTransfer;
struct ListSide;

class Form1 : public rt::Form {
    Q_OBJECT

public:
    // programFolder: the folder of the executable, without a trailing separator; "ter.va" is found there.
    explicit Form1(const QString& programFolder, QWidget* parent = nullptr);
    ~Form1() override;

    // Band 1 and 2: text filters, origin filter, favourites filter.
    rt::CheckBox* Check3;
    rt::TextBox* Text2;
    rt::CheckBox* Check4;
    rt::ComboBox* Combo1;
    rt::CheckBox* Check2;
    rt::TextBox* Text1;
    rt::CheckBox* Check1;
    rt::Label* Label4;
    // Captions of the letter bar (1), the sort options (0) and the refresh mode (2).
    std::array<rt::Label*, 3> Label5;

    // Band 3: the letter bar. Index 0..LetterCount-1 is the initial "A".."Z", AllLetters is "ALL".
    static constexpr int LetterCount = 26;
    static constexpr int AllLetters = LetterCount;
    rt::PictureBox* Picture1;
    std::array<rt::Label*, LetterCount + 1> Label1;
    std::array<rt::OptionButton*, LetterCount + 1> Option1;

    // Band 4: sort column (0 Name, 1 Meaning, 2 Origin) and refresh mode (0 Automatic, 1 Manual).
    rt::PictureBox* Picture6;
    std::array<rt::OptionButton*, 3> Option2;
    std::array<rt::OptionButton*, 2> Option3;
    rt::CommandButton* Command1;

    // Band 5: the boys' panel (Picture2) and the girls' panel (Picture3) with their progress boxes and grids.
    rt::PictureBox* Picture2;
    rt::PictureBox* Picture3;
    rt::Label* Label2;
    rt::Label* Label3;
    rt::PictureBox* Picture4;
    rt::PictureBox* Picture5;
    rt::FlexGrid* flex1;
    rt::FlexGrid* flex2;

    // Frames: Shape3(0..4) and Shape4 around bands 1, 2 and 4, Shape1 around the letter bar;
    // Shape2(0)/(2) around the panel captions, Shape2(1)/(3) around the grids.
    std::array<rt::Shape*, 5> Shape3;
    rt::Shape* Shape4;
    rt::Shape* Shape1;
    std::array<rt::Shape*, 4> Shape2;

    // A data cell of a name grid as the grids' extension points see it; row is the grid row, from 1.
    struct NameCell {
        Gender gender; // of the grid: flex1 lists the boys, flex2 the girls
        int row;
        int column;
        QString name;
        QString origin;
    };
    // Extension points of the name grids, asked in the order added each time a tooltip or a context menu is
    // about to show. Tooltip lines go below the cell's own tooltip (its whole text when the cell cuts it off);
    // a cell whose sources give no line and whose text fits shows no tooltip.
    using ToolTipLines = std::function<QStringList(const NameCell& cell)>;
    void addToolTipLines(ToolTipLines lines);
    // Menu entries go after the window's own entries of the row's context menu.
    using MenuEntries = std::function<void(QMenu& menu, const NameCell& cell)>;
    void addMenuEntries(MenuEntries entries);

    // The whole tooltip of data cell (row, col) of grid; empty for none.
    QString cellToolTip(rt::FlexGrid* grid, int row, int col) const;
    // The context menu of grid's current row (the row a right click selects, or the row the keyboard is on),
    // made anew for each request; with no data rows it offers only what needs no row.
    std::unique_ptr<QMenu> createGridMenu(rt::FlexGrid* grid);

signals:
    // Favourite marks changed in ter.va: a toggle, an undo or an import marked or unmarked names.
    void favouritesChanged();
    // Ctrl+L or the row menu's "Shortlist…" asks for the shortlist window.
    void shortlistRequested();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    // One control's rectangle in twips within its container and its tab index; frames have none.
    struct ControlPlace {
        QWidget* control;
        int left;
        int top;
        int width;
        int height;
        int tabIndex;
    };
    using Band = std::vector<ControlPlace>;

    void createControls();
    Band createFilterBands();
    Band createLetterBar();
    Band createSortAndRefreshBand();
    // The boys' and the girls' panels share their inner layout; only names, title, place and tab indexes differ.
    struct ListPanelDesign {
        const char* panel;
        const char* caption;
        const char* title;
        int captionWidth;
        const char* progressBox;
        const char* grid;
        int firstShape; // index of the panel's first Shape2
        int left;
        int panelTab;
        int captionTab;
        int progressBoxTab;
        int gridTab;
    };
    struct ListPanel {
        rt::PictureBox* panel;
        rt::Label* caption;
        rt::PictureBox* progressBox;
        rt::FlexGrid* grid;
        Band places;
    };
    ListPanel createListPanel(const ListPanelDesign& design);
    void connectHandlers();

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Text1_Change();
    void Text2_Change();
    void Combo1_Click();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Option3_Click(int index);
    void Command1_Click();
    void flex1_DblClick();
    void flex2_Click();
    void flex1_KeyPress(int keyAscii);
    void flex2_KeyPress(int keyAscii);

    void requestRefreshIfAutomatic();
    void requestRefresh();
    void toggleFavourite(rt::FlexGrid* grid);

    // The marks on screen that show a favourite change (Form1Favourites.cpp): its own row while the grid still
    // holds it, else every row of the grids of its gender that shows its name (and origin, when it has one).
    void flipMarksOf(const FavouriteChange& change);
    void flipMark(rt::FlexGrid* grid, int row);
    // Undo and the favourites' transfer as collaborators, and the marks of an import once it has committed.
    void connectFavouriteCollaborators();
    void showImportedMarks(const std::vector<ImportCounts::Mark>& marks);
    // Ctrl+L and the row menu's "Shortlist…", which ask for the shortlist window (Form1Grids.cpp).
    void connectShortlist();

    // F1's help, the about box and Ctrl+Q (Form1Help.cpp).
    void connectHelp();
    void showAbout();

    // The grids' keyboard, tooltips and context menus (Form1Grids.cpp).
    void connectGridExtras();
    NameCell nameCell(rt::FlexGrid* grid, int row, int col) const;
    void showNamesOfOrigin(const QString& origin);

    void RefreshLists();
    FilterState readFilterControls() const;
    // One list of the rebuild that began when m_refreshRequests was generation; returns false when the rebuild
    // must end at once.
    bool loadList(const FilterState& filter, const ListSide& side, quint64 generation);
    // True when a newer refresh request has run since the rebuild of that generation began, or the window unloaded.
    bool isSuperseded(quint64 generation) const;

    rt::Connection& connection();

    QString m_programFolder;
    std::unique_ptr<rt::Connection> m_connection;
    // Counts refresh requests. A rebuild notes the count when it begins; once the count has moved on, a newer
    // request has rebuilt both lists inside one of its yields, and it gives up at its next check.
    quint64 m_refreshRequests = 0;
    std::vector<ToolTipLines> m_toolTipLines;
    std::vector<MenuEntries> m_menuEntries;
    FavouriteUndo* m_undo = nullptr;
    FavouritesTransfer* m_transfer = nullptr;
    QAction* m_openShortlist;
};

} // namespace tervala
