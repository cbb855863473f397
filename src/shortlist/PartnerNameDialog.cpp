#include "shortlist/PartnerNameDialog.h"

#include <QCoreApplication>
#include <QInputDialog>

namespace tervala {

namespace {

std::function<QString()>& presetAnswer()
{
    static std::function<QString()> answer;
    return answer;
}

} // namespace

QString askPartnerName(QWidget* parent, const QString& suggested)
{
    if (presetAnswer())
        return presetAnswer()().trimmed();
    return QInputDialog::getText(parent,
                                 QCoreApplication::translate("PartnerNameDialog", "Compare with a Partner"),
                                 QCoreApplication::translate("PartnerNameDialog", "The partner's name:"),
                                 QLineEdit::Normal,
                                 suggested)
        .trimmed();
}

void setPartnerNameAnswer(std::function<QString()> answer)
{
    presetAnswer() = std::move(answer);
}

} // namespace tervala
