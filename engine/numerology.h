// Birth number and love number: a birth date or a pair of birth numbers
// reduced to a single digit 1..9. Pure functions, no state.
#pragma once

#include <cstdint>

namespace amorix {

// Repeated digit sum of a positive total: 1902 -> 12 -> 3. Totals below 1
// have no digit sum in this sense and throw std::domain_error.
std::int16_t digitReduction(std::int16_t total);

// Reduced day + month + year. The sum is formed left to right in 16 bits and
// every addition is checked: a result past the 16-bit range throws
// std::overflow_error instead of wrapping.
std::int16_t birthNumber(std::int16_t day, std::int16_t month, std::int16_t year);

// Reduced checked sum of the two persons' birth numbers.
std::int16_t loveNumber(std::int16_t userBirthNumber, std::int16_t partnerBirthNumber);

// a + b in 16 bits; throws std::overflow_error when the sum does not fit.
std::int16_t checkedAdd(std::int16_t a, std::int16_t b);

} // namespace amorix
