// Birth number and love number: a birth date or a pair of birth numbers
// reduced to a single digit 1..9. Pure functions, no state; defined here so
// that callers which reduce many dates in a loop get them inlined.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace amorix {

// a + b in 16 bits; throws std::overflow_error when the sum does not fit.
inline std::int16_t checkedAdd(std::int16_t a, std::int16_t b)
{
    const int sum = int{a} + int{b};
    if (sum != static_cast<std::int16_t>(sum)) [[unlikely]]
        throw std::overflow_error("16-bit addition overflowed");
    return static_cast<std::int16_t>(sum);
}

// Repeated digit sum of a positive total: 1902 -> 12 -> 3. Totals below 1
// have no digit sum in this sense and throw std::domain_error.
inline std::int16_t digitReduction(std::int16_t total)
{
    if (total < 1) [[unlikely]]
        throw std::domain_error("digit reduction needs a total of at least 1");
    // Summing the decimal digits again and again until one digit is left
    // keeps the value modulo 9 and never yields 0, so the closed form is exact.
    return static_cast<std::int16_t>(1 + static_cast<unsigned>(total - 1) % 9u);
}

// Reduced day + month + year. The sum is formed left to right in 16 bits and
// every addition is checked: a result past the 16-bit range throws
// std::overflow_error instead of wrapping.
inline std::int16_t birthNumber(std::int16_t day, std::int16_t month, std::int16_t year)
{
    return digitReduction(checkedAdd(checkedAdd(day, month), year));
}

// Reduced checked sum of the two persons' birth numbers.
inline std::int16_t loveNumber(std::int16_t userBirthNumber, std::int16_t partnerBirthNumber)
{
    return digitReduction(checkedAdd(userBirthNumber, partnerBirthNumber));
}

} // namespace amorix
