// Each stage run through its button on hostile and plain input: the rows its table holds after the click, the
// caption it leaves and the errors it reports. Pages have names in any bytes or with "\", links to devices, loops
// and nowhere, folders where files are expected, no markers, cut-off text, binary bytes, NUL bytes, quotes and
// SQL; every page that can be read gives its rows and nothing else stops the stage.
#include "BuilderFixture.h"

namespace {

const QByteArray Lists = "drive_c/data/Tervala/db20000/";
const QByteArray Origins = "drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning/";
const QByteArray Font = "<font size=\"2\" color=\"#9393FF\">";
const char* const Tables[] = { "bayiorigin", "bayi20000", "bayiorigin2", "namabayi" };
const QByteArray H1 = "<h1 class=\"name\">";
const QByteArray H2 = "</h1><h2 class=\"origin\"><a>";
const QByteArray P = "<p class=\"meaning\">";
const QByteArray Cedilla = "\xe7";

QByteArray item(const QByteArray& name, const QByteArray& meaning)
{
    return "<li>" + Font + name + "</font> meaning &quot;" + meaning + "&quot;\r\n";
}

} // namespace

TEST(BuilderStage, RowsCaptionAndErrorsOfEachStage)
{
    const QString longName = QString(300000, 'a') + "b";
    const QString nul(1, QChar(0));
    const struct {
        int command; // 1 to 4: the stage, and the table it writes (a page import finds one row there to remove)
        std::vector<std::pair<QByteArray, QByteArray>> pages;
        std::vector<std::pair<QString, QList<QStringList>>> tables; // rows in place before the click
        QStringList rows;
        QString caption = "selesai";
        int errors = 0;
    } cases[] = {
        // origin pages; the side file is emptied
        { 1,
          { { Origins + "zoe/index.html",
              H1 + "Zo\xEB\r\n" + H2 + "Greek</a></h2>&middot; female" + P + "li\r\nfe \f<" },
            { Origins + "abel.jr/index.html", H1 + "Abel" + H2 + "Hebrew</a></h2>&middot; Male" + P + "it's</p>" },
            { Origins + "Ann/index.html", "<html>nothing here</html>" },
            { Origins + "back\\slash/index.html", H1 + "Basil<" },
            { Origins + "fran" + Cedilla + "ais/index.html", H1 + "Am\xe9lie<" },
            { Origins + "device/index.html", "->/dev/zero" },
            { Origins + "nested/index.html/page", "" },
            { Origins + "loop", "->loop" },
            { Origins + "plain.html", H1 + "Plain<" },
            { Origins + ".hidden/index.html", H1 + "Hidden<" },
            { "namaorigin.htm", "old" } },
          {},
          { "Abel|it's|Hebrew|M", "|||", "Basil|||", "Amélie|||", "Zoë|life|Greek|f" } },
        // no origin page
        { 1, {}, {}, {} },
        // list pages
        { 2,
          { { Lists + "M_Hebrew.htm",
              "<li>" + Font + "<b>D'Arcy</b></font>\r\n meaning &quot;a \fbreath&quot;</li>\r\n<li>" + Font
                  + "Zo\xEB \x80</font> meaning &quot;li\r\nfe&quot;</ul>\r\n" },
            { Lists + "f_Irish_x.html", "<li>" + Font + " Aoife\n</font> meaning &quot;radiant&quot;\n" },
            { Lists + ".F_Hidden.htm", item("Hidden", "") },
            { Lists + "sub/M_Deep.htm", item("Deep", "") },
            { Lists + "F_Fran" + Cedilla + "ais_1.htm", item("Am\xe9lie", "loved") },
            { Lists + "M_Back\\slash_1.htm", item("Basil", "king") },
            { Lists + "M_Binary_1.htm", item("\x81\x8d\x8f\x90\x9d\x01\xff", "\x80") + "\xfe\r\r\n\x1a" },
            { Lists + "M_Folder_1.htm/page", "" },
            { Lists + "M_Dangling_1.htm", "->nowhere" },
            { Lists + "M_Loop_1.htm", "->M_Loop_1.htm" },
            { Lists + "M_None_1.htm", "<html><body>no list here</body></html>" },
            { Lists + "M_Nul_1.htm", item(QByteArray("A\0b", 3), QByteArray("c\0d", 3)) },
            { Lists + "M_Quote_1.htm", item("O'Neil'); drop table bayi20000; --", "it's\"; delete from x") },
            { Lists + "M_Truncated_1.htm", "<li>" + Font + "Abel</font> meaning &quot;brea" },
            { Lists + "M_Zero_1.htm", "->/dev/zero" } },
          {},
          { "Amélie|loved|Français|F",
            "Aoife\n|radiant|Irish|f",
            "Basil|king|Back\\slash|M",
            QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d\u0001ÿ|€|Binary|M"),
            "<b>D'Arcy</b>|a breath|Hebrew.htm|M",
            "Zoë €|life|Hebrew.htm|M",
            "A" + nul + "b|c" + nul + "d|Nul|M",
            "O'Neil'); drop table bayi20000; --|it's\"; delete from x|Quote|M",
            "Abel||Truncated|M" } },
        // no list page
        { 2, {}, {}, {} },
        // refinement appends; a long name is stored whole and shown cut
        { 3,
          {},
          { { "bayiorigin2", { { "Kept", "", "", "F" } } },
            { "bayi20000",
              { { "<b>O'Neil</b> ", " a <i>champion</i> ", " irish ", "male" },
                { QString(), QString(), QString(), QString() },
                { "<a name=\"ZOË\">Zoë</a>", "life", "greek", " f" },
                { longName, "", "x", "M" } } } },
          { "Kept|||F", "O'Neil|a champion|irish|M", "|||", "Zoë|life|Greek| ", longName + "||X|M" },
          longName.left(tervala::rt::Form::MaxCaptionLength) },
        // refinement of nothing
        { 3, {}, {}, {}, "Form2" },
        // refinement ends at a quote in an origin
        { 3,
          {},
          { { "bayi20000", { { "Abel", "", "x", "M" }, { "Brian", "", "O'Brien", "M" }, { "Cara", "", "x", "F" } } } },
          { "Abel||X|M" },
          "Abel",
          1 },
        // merge: names that differ in letter case alone, also beyond ASCII, are one name; origins tell names apart
        { 4,
          {},
          { { "namabayi", { { "Abel", "old", "Hebrew", "M" }, { "Émile", "old", "French", "M" } } },
            { "bayiorigin2",
              { { "ABEL", "x", "Hebrew", "F" },
                { "abel", "y", "Greek", "M" },
                { "ÉMILE", "x", "French", "M" },
                { "Zoë", "life", "Greek", "F" },
                { "ZOË", "x", "GREEK", "F" },
                { "O'NEIL", " it&#039;s <b>me</b> ", "Irish", "M" },
                { "o'neil", "again", "Irish", "F" } } } },
          { "Abel|old|Hebrew|M", "Émile|old|French|M", "Abel|y|Greek|M", "Zoë|life|Greek|F", "O'neil|it;s me|Irish|M" },
          "O'neil" },
        // merge ends at a quote in an origin before the first new row
        { 4,
          {},
          { { "bayiorigin2", { { "Brian", "", "O'Brien", "M" }, { "Abel", "", "Hebrew", "M" } } } },
          {},
          "Form2",
          1 },
        // merge passes over a quote in an origin after the first new row
        { 4,
          {},
          { { "bayiorigin2",
              { { "Abel", "", "Hebrew", "M" }, { "Brian", "", "O'Brien", "M" }, { "Dana", "", "x", "F" } } } },
          { "Abel||Hebrew|M", "Dana||x|F" },
          "Dana" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Builder builder;
        if (c.command <= 2)
            builder.fill(Tables[c.command - 1], { { "Old", "", "", "" } });
        for (const auto& [path, content] : c.pages)
            builder.put(path, content);
        for (const auto& [table, rows] : c.tables)
            builder.fill(table, rows);
        builder.click(c.command);
        EXPECT_EQ(builder.errors.size(), c.errors) << builder.errors.join('\n').toStdString();
        EXPECT_EQ(builder.rows(Tables[c.command - 1]), c.rows);
        EXPECT_EQ(builder.form.caption(), c.caption);
        // Sound to plain SQLite, whose NOCASE folds ASCII letters only.
        EXPECT_EQ(builder.db.plain("pragma integrity_check"), QStringList { "ok" });
        if (c.command == 1) {
            EXPECT_EQ(QFileInfo(QDir(builder.db.folder()).filePath("namaorigin.htm")).size(), 0);
        }
    }
}
