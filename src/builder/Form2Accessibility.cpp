// Accessible names and descriptions of the builder window, one row per control by object name.
#include "builder/Form2Accessibility.h"

#include "runtime/controls/AccessibleText.h"

namespace tervala {

namespace {

constexpr rt::AccessibleText Controls[] = {
    { "Form2", "Name data builder", "Four stages that turn saved web pages into name rows of the staging database" },
    { "Command1", "Import origin pages", "Reads the saved origin pages into the table bayiorigin" },
    { "Command2", "Import list pages", "Reads the saved list pages into the table bayi20000" },
    { "Command3", "Clean the imported names", "Cleans the rows of bayi20000 into the table bayiorigin2" },
    { "Command4", "Merge into the name table", "Adds the new rows of bayiorigin2 to the table namabayi" },
};

} // namespace

void applyForm2Accessibility(QWidget& form)
{
    rt::applyAccessibleTexts(form, Controls);
}

} // namespace tervala
