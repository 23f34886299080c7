// Starts two programs alternately, each in a fresh settings folder, and
// reports the median wall time from exec to exit and the median peak
// resident memory of each, with their ratio.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peakKilobytes;
};

Run runOnce(const std::string& program, const std::filesystem::path& home)
{
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "config");
    std::filesystem::create_directories(home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program.c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BASELINE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    const auto home = std::filesystem::temp_directory_path() / ("amorix-bench-" + std::to_string(getpid()));

    runOnce(argv[1], home); // warm the file cache for both
    runOnce(argv[2], home);
    std::vector<double> programTime, baselineTime;
    std::vector<long> programMemory, baselineMemory;
    for (int i = 0; i < runs; ++i) {
        const Run a = runOnce(argv[1], home);
        const Run b = runOnce(argv[2], home);
        programTime.push_back(a.milliseconds);
        programMemory.push_back(a.peakKilobytes);
        baselineTime.push_back(b.milliseconds);
        baselineMemory.push_back(b.peakKilobytes);
    }
    std::filesystem::remove_all(home);

    const double t = median(programTime), tb = median(baselineTime);
    const long m = median(programMemory), mb = median(baselineMemory);
    std::printf("start-up to first paint and exit (median of %d alternating runs)\n", runs);
    std::printf("  time:   amorix %.1f ms, empty window %.1f ms, ratio %.2f (goal <= 1.15)\n", t, tb, t / tb);
    std::printf("  memory: amorix %ld KiB, empty window %ld KiB, ratio %.2f (goal <= 1.10)\n", m, mb,
                static_cast<double>(m) / static_cast<double>(mb));
    return 0;
}
