// Accessible names and descriptions of the builder window, one row per control by object name.
#include "builder/Form2Accessibility.h"

#include "runtime/controls/AccessibleText.h"

#include <QtGlobal>

namespace tervala {

namespace {

constexpr rt::AccessibleText Controls[] = {
    { "Form2",
      QT_TRANSLATE_NOOP("Form2Accessibility", "Name data builder"),
      QT_TRANSLATE_NOOP("Form2Accessibility",
                        "Four stages that turn saved web pages into name rows of the staging database") },
    { "Command1",
      QT_TRANSLATE_NOOP("Form2Accessibility", "Import origin pages"),
      QT_TRANSLATE_NOOP("Form2Accessibility", "Reads the saved origin pages into the table bayiorigin") },
    { "Command2",
      QT_TRANSLATE_NOOP("Form2Accessibility", "Import list pages"),
      QT_TRANSLATE_NOOP("Form2Accessibility", "Reads the saved list pages into the table bayi20000") },
    { "Command3",
      QT_TRANSLATE_NOOP("Form2Accessibility", "Clean the imported names"),
      QT_TRANSLATE_NOOP("Form2Accessibility", "Cleans the rows of bayi20000 into the table bayiorigin2") },
    { "Command4",
      QT_TRANSLATE_NOOP("Form2Accessibility", "Merge into the name table"),
      QT_TRANSLATE_NOOP("Form2Accessibility", "Adds the new rows of bayiorigin2 to the table namabayi") },
};

} // namespace

void applyForm2Accessibility(QWidget& form)
{
    rt::applyAccessibleTexts(form, "Form2Accessibility", Controls);
}

} // namespace tervala
