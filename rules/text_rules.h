// Text rules shared by every window: trimming removes the space character
// only, and numbers in list texts are 16-bit.
#pragma once

#include <cstdint>
#include <QString>
#include <string_view>

namespace amorix {

// The most a one-line entry box holds, as the platform's own one-line edit
// box holds by default: a box past it would shape the whole text on every
// repaint, and a megabyte pasted and selected would keep the window busy
// for half a minute.
constexpr int kLongestEntry = 32767;

// Removes leading and trailing spaces (code 32); tabs and line breaks stay.
QString trimSpaces(const QString& text);

// The decimal number in a text such as a list item; throws
// std::invalid_argument when the text is not a 16-bit whole number.
std::int16_t int16FromText(const QString& text);

// A built-in UTF-8 text as a QString.
QString fromUtf8View(std::string_view text);

} // namespace amorix
