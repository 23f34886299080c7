#include "numerology.h"

#include <limits>
#include <stdexcept>

namespace amorix {

std::int16_t checkedAdd(std::int16_t a, std::int16_t b)
{
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("16-bit addition overflowed");
    return static_cast<std::int16_t>(sum);
}

std::int16_t digitReduction(std::int16_t total)
{
    if (total < 1)
        throw std::domain_error("digit reduction needs a total of at least 1");
    // Summing the decimal digits again and again until one digit is left
    // keeps the value modulo 9 and never yields 0, so the closed form is exact.
    return static_cast<std::int16_t>(1 + (total - 1) % 9);
}

std::int16_t birthNumber(std::int16_t day, std::int16_t month, std::int16_t year)
{
    return digitReduction(checkedAdd(checkedAdd(day, month), year));
}

std::int16_t loveNumber(std::int16_t userBirthNumber, std::int16_t partnerBirthNumber)
{
    return digitReduction(checkedAdd(userBirthNumber, partnerBirthNumber));
}

} // namespace amorix
