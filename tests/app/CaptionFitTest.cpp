// Both windows as the user sees them, in English and in every translation: every caption is shown whole inside its
// control, in the fonts the machine has (the package brings the Liberation faces), on one line wherever its control
// is one line high.
#include "TestDatabase.h"
#include "app/Translations.h"
#include "browser/Form1.h"
#include "builder/Form2.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace {

// The rectangle in which the style draws a button's text.
QRect buttonTextArea(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle::SubElement element = qobject_cast<const QCheckBox*>(&button) ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(&button)                           ? QStyle::SE_RadioButtonContents
                                                                               : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(element, &option, &button);
}

// "<objectName> <caption>" for each caption cut in its control. The height needed runs from the first line's top to
// the lowest ink of the last line, so descenders count and unused leading does not.
QStringList captionsThatDoNotFit(const QWidget& window)
{
    QStringList cut;
    const auto check = [&cut](const QWidget& control, const QString& text, const QRect& area, int flags) {
        const QFontMetrics metrics = control.fontMetrics();
        // What reaches past the container's right edge is not shown.
        const int width = std::min(area.width(), control.parentWidget()->width() - control.x() - area.x());
        const QRect lines = metrics.boundingRect(QRect(0, 0, width, 10000), flags, text);
        const int height = lines.height() - metrics.descent() + std::max(0, metrics.tightBoundingRect(text).bottom());
        if (!text.isEmpty() && (lines.width() > width || height > area.height()))
            cut << control.objectName() + " " + text;
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        check(*label, label->text(), label->contentsRect(), label->wordWrap() ? Qt::TextWordWrap : 0);
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        check(*button, button->text(), buttonTextArea(*button), Qt::TextShowMnemonic);
    return cut;
}

} // namespace

TEST(CaptionFit, EveryCaptionOfBothWindowsIsShownWhole)
{
    // The language, and the refresh button's caption that shows it is in use.
    const std::pair<const char*, QString> languages[] = { { "C", "Refresh" }, { "id_ID", "Segarkan" } };
    for (const auto& [locale, refresh] : languages) {
        SCOPED_TRACE(locale);
        tervala::installTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(locale)));
        TestDatabase names("ter.va", "ter.va.sql");
        tervala::Form1 browser(names.folder());
        browser.show();
        EXPECT_EQ(browser.Command1->text(), refresh);
        EXPECT_EQ(captionsThatDoNotFit(browser), QStringList());
        tervala::Form2 builder(names.folder());
        builder.show();
        EXPECT_EQ(captionsThatDoNotFit(builder), QStringList());
    }
    tervala::installTranslations(*QCoreApplication::instance(), QLocale::c());
}
