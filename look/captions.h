// Captions with access-key marks, as a plain label shows them.
#pragma once

#include <QString>

namespace amorix {

// "&&" is one ampersand, a lone "&" (an access-key mark) is dropped.
QString labelText(const QString& caption);

} // namespace amorix
