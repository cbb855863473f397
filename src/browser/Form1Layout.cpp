// The browser window as its designer left it: every control, its place in twips within its container, its
// caption, font, tab index and initial state. Nothing here reacts to events (see Form1.cpp).
#include "browser/Form1.h"
#include "browser/WindowIcon.h"
#include "runtime/Twips.h"

#include <utility>
#include <vector>

namespace tervala {

namespace {

const QString WindowCaption = QStringLiteral("Tervala 2.0  :: Free baby names  software") + QString(95, ' ')
    + QStringLiteral("https://www.tervala.example");
const QString GridFormat = QStringLiteral(
    "Name                  |Meaning                                       |Origin               |^Fav");
constexpr int ClientWidth = 11760;
constexpr int ClientHeight = 8520;
constexpr int InitialGridRows = 30;

// The letter bar, one entry per index of Label1 and Option1.
struct LetterPlace {
    int labelLeft;
    int optionLeft;
    int optionTop;
    int optionWidth;
    int optionHeight;
    int labelTab;
    int optionTab;
};

constexpr LetterPlace LetterBar[27] = {
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

template <class Control> Control* place(Control* control, int left, int top, int width, int height)
{
    rt::setTwipsGeometry(control, left, top, width, height);
    return control;
}

rt::Shape* frame(QWidget* container, const QString& name, int index, int left, int top, int width, int height)
{
    auto* shape = place(new rt::Shape(container, name, index), left, top, width, height);
    shape->lower();
    return shape;
}

} // namespace

void Form1::createControls()
{
    setFont(rt::legacyFont(8.25));
    setCaption(WindowCaption);
    setClientSizeTwips(ClientWidth, ClientHeight);
    setWindowIcon(windowIcon16And32());

    createFilterBands();
    createLetterBar();
    createSortAndRefreshBand();
    const ListPanel boys = createListPanel({ "Picture2", "Label2", "MALE", 675, "Picture4", "flex1", 0, 90 });
    Picture2 = boys.panel;
    Label2 = boys.caption;
    Picture4 = boys.progressBox;
    flex1 = boys.grid;
    const ListPanel girls = createListPanel({ "Picture3", "Label3", "FEMALE", 1635, "Picture5", "flex2", 2, 5910 });
    Picture3 = girls.panel;
    Label3 = girls.caption;
    Picture5 = girls.progressBox;
    flex2 = girls.grid;
    applyTabOrder();
}

void Form1::createFilterBands()
{
    // Each check box is wider than its caption; the text box or list created after it lies above its right end.
    Check3 = place(new rt::CheckBox(this, QStringLiteral("Check3")), 180, 90, 3615, 345);
    Check3->setText(QStringLiteral("Show names that contains :"));
    Text2 = place(new rt::TextBox(this, QStringLiteral("Text2")), 2550, 90, 1755, 315);
    Check4 = place(new rt::CheckBox(this, QStringLiteral("Check4")), 6000, 120, 3615, 315);
    Check4->setText(QStringLiteral("Show names that the origin is :"));
    Combo1 = place(new rt::ComboBox(this, QStringLiteral("Combo1")), 8520, 90, 2175, 315);
    Check2 = place(new rt::CheckBox(this, QStringLiteral("Check2")), 180, 510, 3615, 345);
    Check2->setText(QStringLiteral("Show names which meaning contains"));
    Text1 = place(new rt::TextBox(this, QStringLiteral("Text1")), 3210, 510, 1635, 315);
    Check1 = place(new rt::CheckBox(this, QStringLiteral("Check1")), 6000, 540, 2415, 285);
    Check1->setText(QStringLiteral("Show favourites only"));
    Check1->setFont(rt::legacyFont(8.25, true));
    Label4 = place(
        new rt::Label(this, QStringLiteral("Label4"), QStringLiteral("* double click the cell to toggle Favourite")),
        8700,
        570,
        2895,
        195);

    Shape3[0] = frame(this, QStringLiteral("Shape3"), 0, 120, 60, 5715, 405);
    Shape3[1] = frame(this, QStringLiteral("Shape3"), 1, 120, 480, 5715, 405);
    Shape3[2] = frame(this, QStringLiteral("Shape3"), 2, 5910, 60, 5775, 405);
    Shape4 = frame(this, QStringLiteral("Shape4"), -1, 5910, 480, 5775, 405);
}

void Form1::createLetterBar()
{
    Label5[1] = place(new rt::Label(this, QStringLiteral("Label5"), QStringLiteral("Show name with initial :"), 1),
                      270,
                      990,
                      1080,
                      480);
    Picture1 = place(new rt::PictureBox(this, QStringLiteral("Picture1")), 1635, 930, 9675, 495);
    for (int index = 0; index < 27; ++index) {
        const LetterPlace& at = LetterBar[index];
        const QString caption = index < 26 ? QString(QChar('A' + index)) : QStringLiteral("ALL");
        const int labelWidth = index < 26 ? 195 : 465;
        const int labelHeight = index < 26 ? 405 : 435;
        Label1[index] = place(new rt::Label(Picture1, QStringLiteral("Label1"), caption, index),
                              at.labelLeft,
                              60,
                              labelWidth,
                              labelHeight);
        Label1[index]->setFont(rt::legacyFont(8.25, true));
        Option1[index] = place(new rt::OptionButton(Picture1, QStringLiteral("Option1"), index),
                               at.optionLeft,
                               at.optionTop,
                               at.optionWidth,
                               at.optionHeight);
    }
    Shape1 = frame(this, QStringLiteral("Shape1"), -1, 120, 900, 11565, 615);
    Shape1->setBorderColor(QColor(64, 64, 64));
}

void Form1::createSortAndRefreshBand()
{
    Label5[0] = place(new rt::Label(this, QStringLiteral("Label5"), QStringLiteral("Sort name list by :"), 0),
                      270,
                      1620,
                      1410,
                      225);
    Picture6 = place(new rt::PictureBox(this, QStringLiteral("Picture6")), 1620, 1560, 4140, 360);
    const QString sortCaptions[3] = { QStringLiteral("Name"), QStringLiteral("Meaning"), QStringLiteral("Origin") };
    const int sortLefts[3] = { 165, 1200, 2445 };
    for (int index = 0; index < 3; ++index) {
        Option2[index]
            = place(new rt::OptionButton(Picture6, QStringLiteral("Option2"), index), sortLefts[index], 90, 990, 225);
        Option2[index]->setText(sortCaptions[index]);
    }
    Option2[0]->setChecked(true);

    Label5[2] = place(new rt::Label(this, QStringLiteral("Label5"), QStringLiteral("Refresh Data :"), 2),
                      6150,
                      1650,
                      1065,
                      225);
    Option3[0] = place(new rt::OptionButton(this, QStringLiteral("Option3"), 0), 7560, 1605, 1170, 315);
    Option3[0]->setText(QStringLiteral("Automatic"));
    Option3[1] = place(new rt::OptionButton(this, QStringLiteral("Option3"), 1), 9090, 1605, 1170, 315);
    Option3[1]->setText(QStringLiteral("Manual"));
    Option3[0]->setChecked(true);
    Command1 = place(new rt::CommandButton(this, QStringLiteral("Command1"), QStringLiteral("Refresh")),
                     10260,
                     1575,
                     1365,
                     330);
    Command1->setEnabled(false);

    Shape3[3] = frame(this, QStringLiteral("Shape3"), 3, 120, 1545, 5715, 405);
    Shape3[4] = frame(this, QStringLiteral("Shape3"), 4, 5940, 1545, 5730, 405);
}

Form1::ListPanel Form1::createListPanel(const ListPanelNames& names)
{
    ListPanel made;
    made.panel = place(new rt::PictureBox(this, names.panel), names.left, 1950, 5805, 6465);
    made.caption = place(new rt::Label(made.panel, names.caption, names.title), 120, 60, names.captionWidth, 195);
    made.caption->setFont(rt::legacyFont(9.75, true));
    made.progressBox = place(new rt::PictureBox(made.panel, names.progressBox), 1410, 30, 4335, 255);
    made.progressBox->setVisible(false);
    made.grid = place(new rt::FlexGrid(made.panel), 90, 360, 5595, 5955);
    made.grid->setObjectName(names.grid);
    made.grid->setFont(rt::legacyFont(8.25));
    made.grid->setFormatString(GridFormat);
    made.grid->setRows(InitialGridRows);
    Shape2[names.firstShape] = frame(made.panel, QStringLiteral("Shape2"), names.firstShape, 30, 30, 1365, 285);
    Shape2[names.firstShape + 1]
        = frame(made.panel, QStringLiteral("Shape2"), names.firstShape + 1, 30, 300, 5715, 6135);
    return made;
}

void Form1::applyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order = {
        { 62, Check3 },     { 63, Text2 },    { 64, Check4 },    { 65, Combo1 },     { 56, Check2 },
        { 57, Text1 },      { 55, Check1 },   { 61, Label4 },    { 73, Label5[1] },  { 0, Picture1 },
        { 72, Label5[0] },  { 74, Picture6 }, { 78, Label5[2] }, { 79, Option3[0] }, { 80, Option3[1] },
        { 69, Command1 },   { 58, Picture2 }, { 66, Picture3 },  { 75, Option2[0] }, { 76, Option2[1] },
        { 77, Option2[2] }, { 59, Label2 },   { 68, Label3 },    { 70, Picture4 },   { 71, Picture5 },
        { 60, flex1 },      { 67, flex2 },
    };
    for (int index = 0; index < 27; ++index) {
        order.emplace_back(LetterBar[index].labelTab, Label1[index]);
        order.emplace_back(LetterBar[index].optionTab, Option1[index]);
    }
    setTabOrderByIndex(std::move(order));
}

} // namespace tervala
