// The modal dialogs through which the forms ask the user for a file or a printer and tell the outcome of an action.
// A test sets answers of its own instead, so that no dialog opens and no nested event loop runs.
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace tervala::rt {

// The file the user chose, or an empty text when they cancelled. filter is in QFileDialog's form.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter);
QString askOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
// Lets the user set up printer in the print dialog; false when they cancelled.
bool askPrinter(QWidget* parent, QPrinter& printer);
// Shows text in a message box with an OK button, as a warning when warning is set.
void tell(QWidget* parent, const QString& title, const QString& text, bool warning = false);

// What a test answers in place of the dialogs; a member left empty opens the real dialog.
struct DialogAnswers {
    std::function<QString()> fileName;
    std::function<bool(QPrinter&)> printer;
    std::function<void(const QString& text, bool warning)> told;
};
void setDialogAnswers(DialogAnswers answers);

} // namespace tervala::rt
