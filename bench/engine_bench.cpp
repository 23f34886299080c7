// Birth and love numbers for every pair of valid dates in the lists' range,
// against a bare loop that only adds the two dates' totals.
#include "engine/numerology.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

namespace {

struct Date {
    std::int16_t day, month, year;
};

bool exists(int day, int month, int year)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Keeps the compiler from dropping or merging work whose result is unused.
template <class T>
void keep(T const& value)
{
    asm volatile("" : : "r,m"(value) : "memory");
}

template <class Body>
double seconds(Body body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
try {
    // Every stride-th partner date; 1 pairs all dates with all.
    const std::size_t stride = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 1;
    std::vector<Date> dates;
    for (int year = 1900; year <= 2050; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                if (exists(day, month, year))
                    dates.push_back({static_cast<std::int16_t>(day), static_cast<std::int16_t>(month),
                                     static_cast<std::int16_t>(year)});

    std::uint64_t pairs = 0;
    const double bare = seconds([&] {
        for (const Date& user : dates)
            for (std::size_t j = 0; j < dates.size(); j += stride) {
                const Date& partner = dates[j];
                const int sum = user.day + user.month + user.year + partner.day + partner.month + partner.year;
                keep(sum);
                ++pairs;
            }
    });
    const double engine = seconds([&] {
        for (const Date& user : dates)
            for (std::size_t j = 0; j < dates.size(); j += stride) {
                const Date& partner = dates[j];
                const std::int16_t love =
                    amorix::loveNumber(amorix::birthNumber(user.day, user.month, user.year),
                                       amorix::birthNumber(partner.day, partner.month, partner.year));
                keep(love);
            }
    });
    std::printf("the engine over %zu dates, %llu pairs\n", dates.size(), static_cast<unsigned long long>(pairs));
    std::printf("  %.0f million readings/s, bare loop %.0f million pairs/s, ratio %.2f (goal <= 2)\n",
                static_cast<double>(pairs) / engine / 1e6, static_cast<double>(pairs) / bare / 1e6, engine / bare);
    return 0;
} catch (const std::exception& error) {
    // The engine refuses a date it cannot reduce; the dates here are all valid.
    std::fprintf(stderr, "engine_bench: %s\n", error.what());
    return 1;
}
