// The browser window as its designer left it: every control, its place in twips within its container, its
// caption, font, tab index and initial state. Nothing here reacts to events (see Form1.cpp).
#include "browser/Form1.h"
#include "browser/WindowIcon.h"
#include "runtime/controls/Twips.h"

#include <utility>
#include <vector>

namespace tervala {

namespace {

const char* const WindowCaption = QT_TRANSLATE_NOOP("tervala::Form1", "Tervala 2.0  :: Free baby names  software");
const QString WindowAddress = QStringLiteral("https://www.tervala.example");
// The blanks set each column's width: a translation keeps every caption's length.
const char* const GridFormat = QT_TRANSLATE_NOOP(
    "tervala::Form1",
    "Name                  |Meaning                                       |Origin               |^Fav");
constexpr int ClientWidth = 11760;
constexpr int ClientHeight = 8520;
constexpr int InitialGridRows = 30;

// The letter bar, one entry per index of Label1 and Option1; every label is 60 from the top.
struct LetterPlace {
    int labelLeft;
    int optionLeft;
    int optionTop;
    int optionWidth;
    int optionHeight;
    int labelTab;
    int optionTab;
};

constexpr LetterPlace LetterBar[Form1::LetterCount + 1] = {
    { 90, 60, 270, 345, 195, 26, 1 },      { 420, 390, 255, 555, 240, 27, 2 },    { 780, 750, 255, 555, 240, 28, 3 },
    { 1140, 1110, 255, 555, 240, 29, 4 },  { 1530, 1470, 255, 555, 240, 30, 5 },  { 1860, 1830, 255, 555, 240, 31, 6 },
    { 2220, 2190, 255, 555, 240, 32, 7 },  { 2580, 2550, 255, 555, 240, 33, 8 },  { 2970, 2910, 255, 555, 240, 34, 9 },
    { 3300, 3270, 255, 195, 270, 35, 50 }, { 3660, 3630, 255, 675, 270, 36, 10 }, { 4020, 3990, 255, 555, 240, 37, 11 },
    { 4410, 4350, 285, 555, 195, 38, 12 }, { 4740, 4710, 255, 555, 240, 39, 13 }, { 5100, 5070, 255, 555, 240, 40, 14 },
    { 5460, 5430, 255, 555, 240, 41, 15 }, { 5790, 5760, 255, 555, 240, 42, 16 }, { 6180, 6120, 255, 555, 240, 43, 17 },
    { 6510, 6480, 255, 555, 240, 44, 18 }, { 6870, 6840, 255, 555, 240, 45, 19 }, { 7230, 7200, 255, 555, 240, 46, 20 },
    { 7560, 7530, 255, 555, 240, 47, 21 }, { 7890, 7890, 255, 555, 240, 48, 22 }, { 8280, 8250, 255, 555, 240, 49, 23 },
    { 8640, 8610, 240, 555, 240, 52, 24 }, { 9000, 8940, 240, 555, 240, 53, 25 }, { 9300, 9390, 240, 555, 240, 54, 51 },
};

constexpr int NoTab = -1;
// The point size of the panel captions "MALE" and "FEMALE".
constexpr double PanelCaptionPointSize = 9.75;
// The progress bar's blue is fixed, so the box behind it is too: blue on white reads under any desktop palette.
const QColor ProgressBoxBackColour(255, 255, 255);

} // namespace

void Form1::createControls()
{
    setCaption(tr(WindowCaption) + QString(95, ' ') + WindowAddress);
    setClientSizeTwips(ClientWidth, ClientHeight);
    setWindowIcon(programIcon());

    std::vector<Band> bands = { createFilterBands(), createLetterBar(), createSortAndRefreshBand() };
    const ListPanel boys = createListPanel(
        { "Picture2", "Label2", QT_TR_NOOP("MALE"), 675, "Picture4", "flex1", 0, 90, 58, 59, 70, 60 });
    Picture2 = boys.panel;
    Label2 = boys.caption;
    Picture4 = boys.progressBox;
    flex1 = boys.grid;
    const ListPanel girls = createListPanel(
        { "Picture3", "Label3", QT_TR_NOOP("FEMALE"), 1635, "Picture5", "flex2", 2, 5910, 66, 68, 71, 67 });
    Picture3 = girls.panel;
    Label3 = girls.caption;
    Picture5 = girls.progressBox;
    flex2 = girls.grid;
    bands.push_back(boys.places);
    bands.push_back(girls.places);

    std::vector<std::pair<int, QWidget*>> tabIndexes;
    for (const Band& band : bands) {
        for (const ControlPlace& at : band) {
            rt::setTwipsGeometry(at.control, at.left, at.top, at.width, at.height);
            if (at.tabIndex != NoTab)
                tabIndexes.emplace_back(at.tabIndex, at.control);
        }
    }
    setTabOrderByIndex(std::move(tabIndexes));
}

Form1::Band Form1::createFilterBands()
{
    // Each check box is wider than its caption; the text box or list created after it lies above its right end.
    Check3 = new rt::CheckBox(this, QStringLiteral("Check3"));
    Check3->setText(tr("Show names that contains :"));
    Text2 = new rt::TextBox(this, QStringLiteral("Text2"));
    Check4 = new rt::CheckBox(this, QStringLiteral("Check4"));
    Check4->setText(tr("Show names that the origin is :"));
    Combo1 = new rt::ComboBox(this, QStringLiteral("Combo1"));
    Check2 = new rt::CheckBox(this, QStringLiteral("Check2"));
    Check2->setText(tr("Show names which meaning contains"));
    Text1 = new rt::TextBox(this, QStringLiteral("Text1"));
    Check1 = new rt::CheckBox(this, QStringLiteral("Check1"));
    Check1->setText(tr("Show favourites only"));
    Check1->setFont(rt::legacyFont(rt::LegacyPointSize, true));
    Label4 = new rt::Label(this, QStringLiteral("Label4"), tr("* double click the cell to toggle Favourite"));
    Shape3[0] = new rt::Shape(this, QStringLiteral("Shape3"), 0);
    Shape3[1] = new rt::Shape(this, QStringLiteral("Shape3"), 1);
    Shape3[2] = new rt::Shape(this, QStringLiteral("Shape3"), 2);
    Shape4 = new rt::Shape(this, QStringLiteral("Shape4"));
    return {
        { Check3, 180, 90, 3615, 345, 62 },        { Text2, 2550, 90, 1755, 315, 63 },
        { Check4, 6000, 120, 3615, 315, 64 },      { Combo1, 8520, 90, 2175, 315, 65 },
        { Check2, 180, 510, 3615, 345, 56 },       { Text1, 3210, 510, 1635, 315, 57 },
        { Check1, 6000, 540, 2415, 285, 55 },      { Label4, 8700, 570, 2895, 195, 61 },
        { Shape3[0], 120, 60, 5715, 405, NoTab },  { Shape3[1], 120, 480, 5715, 405, NoTab },
        { Shape3[2], 5910, 60, 5775, 405, NoTab }, { Shape4, 5910, 480, 5775, 405, NoTab },
    };
}

Form1::Band Form1::createLetterBar()
{
    Label5[1] = new rt::Label(this, QStringLiteral("Label5"), tr("Show name with initial :"), 1);
    Picture1 = new rt::PictureBox(this, QStringLiteral("Picture1"));
    Band places = {
        { Label5[1], 270, 990, 1080, 480, 73 },
        { Picture1, 1635, 930, 9675, 495, 0 },
    };
    for (int index = 0; index <= AllLetters; ++index) {
        const LetterPlace& at = LetterBar[index];
        const bool isLetter = index < LetterCount;
        Label1[index] = new rt::Label(Picture1,
                                      QStringLiteral("Label1"),
                                      isLetter ? QString(QChar(u'A' + index)) : tr("ALL"),
                                      index);
        Label1[index]->setFont(rt::legacyFont(rt::LegacyPointSize, true));
        Option1[index] = new rt::OptionButton(Picture1, QStringLiteral("Option1"), index);
        places.push_back({ Label1[index], at.labelLeft, 60, isLetter ? 195 : 465, isLetter ? 405 : 435, at.labelTab });
        places.push_back(
            { Option1[index], at.optionLeft, at.optionTop, at.optionWidth, at.optionHeight, at.optionTab });
    }
    Shape1 = new rt::Shape(this, QStringLiteral("Shape1"));
    Shape1->setBorderColor(QColor(64, 64, 64));
    places.push_back({ Shape1, 120, 900, 11565, 615, NoTab });
    return places;
}

Form1::Band Form1::createSortAndRefreshBand()
{
    Label5[0] = new rt::Label(this, QStringLiteral("Label5"), tr("Sort name list by :"), 0);
    Picture6 = new rt::PictureBox(this, QStringLiteral("Picture6"));
    const QString sortCaptions[3] = { tr("Name"), tr("Meaning"), tr("Origin") };
    for (int index = 0; index < int(Option2.size()); ++index) {
        Option2[index] = new rt::OptionButton(Picture6, QStringLiteral("Option2"), index);
        Option2[index]->setText(sortCaptions[index]);
    }
    Option2[0]->setChecked(true);

    Label5[2] = new rt::Label(this, QStringLiteral("Label5"), tr("Refresh Data :"), 2);
    Option3[0] = new rt::OptionButton(this, QStringLiteral("Option3"), 0);
    Option3[0]->setText(tr("Automatic"));
    Option3[1] = new rt::OptionButton(this, QStringLiteral("Option3"), 1);
    Option3[1]->setText(tr("Manual"));
    Option3[0]->setChecked(true);
    Command1 = new rt::CommandButton(this, QStringLiteral("Command1"), tr("Refresh"));
    Command1->setEnabled(false);
    Shape3[3] = new rt::Shape(this, QStringLiteral("Shape3"), 3);
    Shape3[4] = new rt::Shape(this, QStringLiteral("Shape3"), 4);
    return {
        { Label5[0], 270, 1620, 1410, 225, 72 },     { Picture6, 1620, 1560, 4140, 360, 74 },
        { Option2[0], 165, 90, 990, 225, 75 },       { Option2[1], 1200, 90, 990, 225, 76 },
        { Option2[2], 2445, 90, 990, 225, 77 },      { Label5[2], 6150, 1650, 1065, 225, 78 },
        { Option3[0], 7560, 1605, 1170, 315, 79 },   { Option3[1], 9090, 1605, 1170, 315, 80 },
        { Command1, 10260, 1575, 1365, 330, 69 },    { Shape3[3], 120, 1545, 5715, 405, NoTab },
        { Shape3[4], 5940, 1545, 5730, 405, NoTab },
    };
}

Form1::ListPanel Form1::createListPanel(const ListPanelDesign& design)
{
    ListPanel made;
    made.panel = new rt::PictureBox(this, design.panel);
    made.caption = new rt::Label(made.panel, design.caption, tr(design.title));
    made.caption->setFont(rt::legacyFont(PanelCaptionPointSize, true));
    made.progressBox = new rt::PictureBox(made.panel, design.progressBox);
    made.progressBox->setBackColor(ProgressBoxBackColour);
    made.progressBox->setVisible(false);
    made.grid = new rt::FlexGrid(made.panel);
    made.grid->setObjectName(design.grid);
    made.grid->setFormatString(tr(GridFormat));
    made.grid->setRows(InitialGridRows);
    rt::Shape* captionFrame = new rt::Shape(made.panel, QStringLiteral("Shape2"), design.firstShape);
    rt::Shape* gridFrame = new rt::Shape(made.panel, QStringLiteral("Shape2"), design.firstShape + 1);
    Shape2[design.firstShape] = captionFrame;
    Shape2[design.firstShape + 1] = gridFrame;
    made.places = {
        { made.panel, design.left, 1950, 5805, 6465, design.panelTab },
        { captionFrame, 30, 30, 1365, 285, NoTab },
        { made.caption, 120, 60, design.captionWidth, 195, design.captionTab },
        { made.progressBox, 1410, 30, 4335, 255, design.progressBoxTab },
        { gridFrame, 30, 300, 5715, 6135, NoTab },
        { made.grid, 90, 360, 5595, 5955, design.gridTab },
    };
    return made;
}

} // namespace tervala
