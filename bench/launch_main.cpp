// bench_launch frame|process RUNS NAME_A CMD_A NAME_B CMD_B: starts two programs in turn and compares
// them. It uses no Qt, so it adds nothing to what it measures.
//   frame:   from just before the spawn to the frame_ns the program prints (both CLOCK_MONOTONIC), with
//            the cpu_us, rss_kb and widgets it prints at that moment;
//   process: from just before the spawn to the exit, with processor time and peak memory from wait4.
// Commands are split on blanks. Each program runs twice to warm the caches, then RUNS times, the order
// swapped every round (A B, B A, ...). Prints NAME_min_us and the medians NAME_median_us, NAME_cpu_us,
// NAME_rss_kb and (frame) NAME_widgets, then B over A: time_ratio (medians), time_ratio_min, cpu_ratio
// and rss_ratio. A program that fails stops the run with status 1.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

enum { kTime, kCpu, kRss, kWidgets, kFigures }; // µs, µs, kB, count
const char* const kKeys[kFigures] = {"median_us", "cpu_us", "rss_kb", "widgets"};

struct Program {
    const char* Name;
    std::vector<char*> Argv;
    std::vector<double> Samples[kFigures];
};

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "bench_launch: %s\n", what.c_str());
    std::exit(1);
}

double NowUs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// One run of the program; its figures are kept unless it is a warm-up.
void Run(Program& program, bool frame, bool keep)
{
    int out[2];
    posix_spawn_file_actions_t actions;
    if (pipe2(out, O_CLOEXEC) != 0 || posix_spawn_file_actions_init(&actions) != 0 ||
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO) != 0)
        Fail("cannot set up a pipe");
    pid_t pid = 0;
    const double start = NowUs();
    const int spawned = posix_spawn(&pid, program.Argv[0], &actions, nullptr, program.Argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0)
        Fail(std::string("cannot start ") + program.Argv[0] + ": " + std::strerror(spawned));
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    double figures[kFigures] = {NowUs() - start,
                                double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 +
                                    double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec),
                                double(usage.ru_maxrss), 0};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(std::string(program.Name) + " failed (status " + std::to_string(status) + "): " + text);
    long long frameNs = 0;
    if (frame && std::sscanf(text.c_str(), "frame_ns=%lld cpu_us=%lf rss_kb=%lf widgets=%lf", &frameNs,
                             &figures[kCpu], &figures[kRss], &figures[kWidgets]) != 4)
        Fail(std::string(program.Name) + " printed no frame_ns, cpu_us, rss_kb and widgets: " + text);
    if (frame)
        figures[kTime] = double(frameNs) / 1e3 - start;
    for (int k = 0; keep && k < kFigures; ++k)
        program.Samples[k].push_back(figures[k]);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Min(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

} // namespace

int main(int argc, char* argv[])
{
    const bool frame = argc == 7 && std::strcmp(argv[1], "frame") == 0;
    if (argc != 7 || (!frame && std::strcmp(argv[1], "process") != 0) || std::atoi(argv[2]) < 1)
        Fail("usage: bench_launch frame|process RUNS NAME_A CMD_A NAME_B CMD_B");
    Program programs[2] = {{argv[3], {}, {}}, {argv[5], {}, {}}};
    for (int i = 0; i < 2; ++i) {
        for (char* word = std::strtok(argv[4 + 2 * i], " "); word; word = std::strtok(nullptr, " "))
            programs[i].Argv.push_back(word);
        if (programs[i].Argv.empty())
            Fail("empty command");
        programs[i].Argv.push_back(nullptr);
    }
    for (int round = -2; round < std::atoi(argv[2]); ++round) // two warm-up rounds, then A B, B A, ...
        for (int i = 0; i < 2; ++i)
            Run(programs[round % 2 == 1 ? 1 - i : i], frame, round >= 0);

    for (const Program& program : programs) {
        std::printf("%s_min_us=%.0f\n", program.Name, Min(program.Samples[kTime]));
        for (int k = 0; k < (frame ? kFigures : kWidgets); ++k)
            std::printf("%s_%s=%.0f\n", program.Name, kKeys[k], Median(program.Samples[k]));
    }
    const auto ratio = [&](int k) { return Median(programs[1].Samples[k]) / Median(programs[0].Samples[k]); };
    std::printf("time_ratio=%.3f\ntime_ratio_min=%.3f\ncpu_ratio=%.3f\nrss_ratio=%.3f\n", ratio(kTime),
                Min(programs[1].Samples[kTime]) / Min(programs[0].Samples[kTime]), ratio(kCpu), ratio(kRss));
    return 0;
}
