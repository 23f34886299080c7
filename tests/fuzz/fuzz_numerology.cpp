// Any 16-bit inputs: a birth or love number is 1..9 and equals the wide
// arithmetic's answer, or the call reports an overflow or a total below 1;
// never undefined behaviour.
#include "engine/numerology.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

using namespace amorix;

static void require(bool condition)
{
    if (!condition)
        std::abort();
}

template <class Call>
static void check(long total, bool overflowsOnTheWay, Call call)
{
    try {
        const int result = call();
        require(!overflowsOnTheWay && total >= 1 && result == 1 + (total - 1) % 9);
    } catch (const std::overflow_error&) {
        require(overflowsOnTheWay);
    } catch (const std::domain_error&) {
        require(!overflowsOnTheWay && total < 1);
    }
}

static bool outside16(long value) { return value < INT16_MIN || value > INT16_MAX; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::int16_t v[3] = {0, 0, 0};
    std::memcpy(v, data, size < sizeof v ? size : sizeof v);
    const long dayMonth = long{v[0]} + v[1];
    const long total = dayMonth + v[2];
    check(total, outside16(dayMonth) || outside16(total), [&] { return birthNumber(v[0], v[1], v[2]); });
    const long love = long{v[0]} + v[1];
    check(love, outside16(love), [&] { return loveNumber(v[0], v[1]); });
    return 0;
}
