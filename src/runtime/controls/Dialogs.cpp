// The platform dialogs, each first offered to the answers a test has set.
#include "runtime/controls/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace tervala::rt {

namespace {

DialogAnswers& answers()
{
    static DialogAnswers set;
    return set;
}

} // namespace

void setDialogAnswers(DialogAnswers given)
{
    answers() = std::move(given);
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter)
{
    if (answers().fileName)
        return answers().fileName();
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

QString askOpenFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    if (answers().fileName)
        return answers().fileName();
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

bool askPrinter(QWidget* parent, QPrinter& printer)
{
    if (answers().printer)
        return answers().printer(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void tell(QWidget* parent, const QString& title, const QString& text, bool warning)
{
    if (answers().told) {
        answers().told(text, warning);
        return;
    }
    if (warning)
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}

} // namespace tervala::rt
