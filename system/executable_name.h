// The running executable's name: the settings and the instance lock are
// named after it, so that a renamed copy is a program of its own.
#pragma once

#include <QString>

namespace amorix {

// The executable's file name without folder and extension.
QString executableBaseName();

} // namespace amorix
