// Starts the program and its baselines alternately, each in a fresh
// settings folder, and reports the median wall time from exec to exit and
// the median peak resident memory of each, with the program's ratio to
// every baseline. Usage: startup_bench RUNS PROGRAM BASELINE...
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

std::string name(const std::string& path) { return std::filesystem::path(path).filename().string(); }

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<std::string> programs(argv + 2, argv + argc);
    const auto home = std::filesystem::temp_directory_path() / ("amorix-bench-" + std::to_string(getpid()));

    for (const std::string& program : programs) // warm the file cache for all
        runOnce(program, home);
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<long>> memory(programs.size());
    for (int i = 0; i < runs; ++i)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Run run = runOnce(programs[p], home);
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.peakKilobytes);
        }
    std::filesystem::remove_all(home);

    std::printf("start-up to first paint and exit (median of %d alternating runs)\n", runs);
    const double t = median(times[0]);
    const long m = median(memory[0]);
    std::printf("  %-22s %7.1f ms %8ld KiB\n", name(programs[0]).c_str(), t, m);
    for (std::size_t p = 1; p < programs.size(); ++p) {
        const double tb = median(times[p]);
        const long mb = median(memory[p]);
        std::printf("  %-22s %7.1f ms %8ld KiB   ratio: time %.2f, memory %.2f\n", name(programs[p]).c_str(), tb, mb,
                    t / tb, static_cast<double>(m) / static_cast<double>(mb));
    }
    return 0;
}
