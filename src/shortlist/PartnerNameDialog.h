// The question for the partner's name when their favourites are compared. A test sets the answer instead, so
// that no dialog opens.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tervala {

// The name typed, trimmed; an empty text when the user cancelled or typed none. suggested fills the box.
QString askPartnerName(QWidget* parent, const QString& suggested);

// What a test answers in place of the dialog; an empty function opens the real dialog again.
void setPartnerNameAnswer(std::function<QString()> answer);

} // namespace tervala
