// The objectName of a legacy control: its name, or "name(index)" for a member of a control array,
// so that tests and debug output find "Option1(3)" as the user documentation writes it.
#pragma once

#include <QString>

namespace tervala::rt {

// index -1 means the control is not in an array.
QString controlName(const QString& name, int index);

} // namespace tervala::rt
