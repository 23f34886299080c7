// The fixed reading texts: a personal text for each birth number, a love
// text for each love number and one significance text, in English and
// UTF-8; the layer above translates them (context "amorix::Interpretations").
#pragma once

#include <string_view>

namespace amorix {

// Text for birth number 1..9; any other number throws std::out_of_range.
std::string_view personalInterpretation(int birthNumber);

// Text for love number 1..9; any other number throws std::out_of_range.
std::string_view loveInterpretation(int loveNumber);

// The one text shown for both persons, whatever their numbers.
std::string_view significanceText();

} // namespace amorix
