// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// usage: startup_runner RUNS PROGRAM...
// Starts each program RUNS times, in turns (the order turning round each
// time, so that neither always goes first), and times each start from just
// before the exec to the first expose that the program's ExposeProbe
// reports. Prints one line per program:
//   NAME runs=N median_ms=… mean_ms=… min_ms=… max_ms=… rss_median_kb=…
// One unmeasured start of each comes first, so that both find the libraries
// in the page cache.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Start
{
    double milliseconds;
    long long residentKb;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool startOnce(const std::string &program, Start &start)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char *> argv{const_cast<char *>(program.c_str()), nullptr};

    pid_t pid = 0;
    const long long before = monotonicNs();
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(error));
        close(pipeEnds[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    ssize_t count = 0;
    while ((count = read(pipeEnds[0], buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR))
        output.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    long long exposeNs = 0;
    long long residentKb = 0;
    if (std::sscanf(output.c_str(), "expose_ns=%lld rss_kb=%lld", &exposeNs, &residentKb) != 2 || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s reported no expose (output: %s)\n", program.c_str(), output.c_str());
        return false;
    }
    start = {static_cast<double>(exposeNs - before) / 1e6, residentKb};
    return true;
}

template <typename T> double median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? static_cast<double>(values[half])
                                  : (static_cast<double>(values[half - 1]) + static_cast<double>(values[half])) / 2;
}

std::string baseName(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> programs(argv + 2, argv + argc);
    std::vector<std::vector<Start>> starts(programs.size());

    Start warmUp{};
    if (!std::all_of(programs.begin(), programs.end(),
                     [&warmUp](const std::string &program) { return startOnce(program, warmUp); }))
        return 1;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t which = run % 2 == 0 ? turn : programs.size() - 1 - turn;
            Start start{};
            if (!startOnce(programs[which], start))
                return 1;
            starts[which].push_back(start);
        }
    }

    for (std::size_t which = 0; which < programs.size(); ++which) {
        std::vector<double> times;
        std::vector<long long> resident;
        for (const Start &start : starts[which]) {
            times.push_back(start.milliseconds);
            resident.push_back(start.residentKb);
        }
        const double mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
        const auto [fastest, slowest] = std::minmax_element(times.begin(), times.end());
        std::printf("%s runs=%zu median_ms=%.2f mean_ms=%.2f min_ms=%.2f max_ms=%.2f rss_median_kb=%.0f\n",
                    baseName(programs[which]).c_str(), times.size(), median(times), mean, *fastest, *slowest,
                    median(resident));
    }
    return 0;
}
