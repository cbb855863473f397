// Accessible names and descriptions of the browser window, one row per control by object name. A name says what
// the control is in words a listener understands (the captions were written for the eye and stay as they are); a
// description says what using it does. Labels are read by their own captions and are not listed.
#include "browser/Form1Accessibility.h"

#include "runtime/controls/AccessibleText.h"

namespace tervala {

namespace {

constexpr rt::AccessibleText Controls[] = {
    { "Form1", "Tervala baby names", "Two lists of names, boys and girls, narrowed by the filters above them" },
    { "Check3", "Filter by text in the name", "When checked, lists only the names that contain the text beside it" },
    { "Text2", "Text the names contain", "Applies while Filter by text in the name is checked" },
    { "Check4", "Filter by origin", "When checked, lists only the names of the origin chosen beside it" },
    { "Combo1", "Origin", "Applies while Filter by origin is checked" },
    { "Check2",
      "Filter by text in the meaning",
      "When checked, lists only the names whose meaning contains the text beside it" },
    { "Text1", "Text the meanings contain", "Applies while Filter by text in the meaning is checked" },
    { "Check1", "Show favourites only", "When checked, lists only the names marked as favourites" },
    { "Picture1", "Initial letter", "Lists only the names that begin with the chosen letter, or all names" },
    { "Option1(0)", "Initial A", "Lists only the names that begin with A" },
    { "Option1(1)", "Initial B", "Lists only the names that begin with B" },
    { "Option1(2)", "Initial C", "Lists only the names that begin with C" },
    { "Option1(3)", "Initial D", "Lists only the names that begin with D" },
    { "Option1(4)", "Initial E", "Lists only the names that begin with E" },
    { "Option1(5)", "Initial F", "Lists only the names that begin with F" },
    { "Option1(6)", "Initial G", "Lists only the names that begin with G" },
    { "Option1(7)", "Initial H", "Lists only the names that begin with H" },
    { "Option1(8)", "Initial I", "Lists only the names that begin with I" },
    { "Option1(9)", "Initial J", "Lists only the names that begin with J" },
    { "Option1(10)", "Initial K", "Lists only the names that begin with K" },
    { "Option1(11)", "Initial L", "Lists only the names that begin with L" },
    { "Option1(12)", "Initial M", "Lists only the names that begin with M" },
    { "Option1(13)", "Initial N", "Lists only the names that begin with N" },
    { "Option1(14)", "Initial O", "Lists only the names that begin with O" },
    { "Option1(15)", "Initial P", "Lists only the names that begin with P" },
    { "Option1(16)", "Initial Q", "Lists only the names that begin with Q" },
    { "Option1(17)", "Initial R", "Lists only the names that begin with R" },
    { "Option1(18)", "Initial S", "Lists only the names that begin with S" },
    { "Option1(19)", "Initial T", "Lists only the names that begin with T" },
    { "Option1(20)", "Initial U", "Lists only the names that begin with U" },
    { "Option1(21)", "Initial V", "Lists only the names that begin with V" },
    { "Option1(22)", "Initial W", "Lists only the names that begin with W" },
    { "Option1(23)", "Initial X", "Lists only the names that begin with X" },
    { "Option1(24)", "Initial Y", "Lists only the names that begin with Y" },
    { "Option1(25)", "Initial Z", "Lists only the names that begin with Z" },
    { "Option1(26)", "All initials", "Lists the names of every initial" },
    { "Picture6", "Sort order", "The column both lists are sorted by" },
    { "Option2(0)", "Sort by name", "Sorts both lists by name" },
    { "Option2(1)", "Sort by meaning", "Sorts both lists by meaning" },
    { "Option2(2)", "Sort by origin", "Sorts both lists by origin" },
    { "Option3(0)", "Refresh automatically", "Every change of a filter rebuilds both lists at once" },
    { "Option3(1)", "Refresh by hand", "Changes of the filters wait until the Refresh button is pressed" },
    { "Command1", "Refresh", "Rebuilds both lists with the current filters; available when refreshing by hand" },
    { "Picture2", "Boys' names panel", nullptr },
    { "Picture3", "Girls' names panel", nullptr },
    { "Picture4", "Loading boys' names", "A bar that grows while the boys' list loads" },
    { "Picture5", "Loading girls' names", "A bar that grows while the girls' list loads" },
    { "flex1",
      "Boys' names",
      "Name, meaning, origin and favourite mark of each boy's name. Double click or Space marks or unmarks a "
      "favourite; Control+Z undoes; the menu key opens more actions" },
    { "flex2",
      "Girls' names",
      "Name, meaning, origin and favourite mark of each girl's name. Click or Space marks or unmarks a favourite; "
      "Control+Z undoes; the menu key opens more actions" },
    { "Shape1", "Frame of the initial letters", nullptr },
    { "Shape3(0)", "Frame of the name filter", nullptr },
    { "Shape3(1)", "Frame of the meaning filter", nullptr },
    { "Shape3(2)", "Frame of the origin filter", nullptr },
    { "Shape3(3)", "Frame of the sort order", nullptr },
    { "Shape3(4)", "Frame of the refresh mode", nullptr },
    { "Shape4", "Frame of the favourites filter", nullptr },
    { "Shape2(0)", "Frame of the boys' caption", nullptr },
    { "Shape2(1)", "Frame of the boys' names", nullptr },
    { "Shape2(2)", "Frame of the girls' caption", nullptr },
    { "Shape2(3)", "Frame of the girls' names", nullptr },
};

} // namespace

void applyForm1Accessibility(QWidget& form)
{
    rt::applyAccessibleTexts(form, Controls);
}

} // namespace tervala
