// bench_launch: starts two programs in turn, interleaved, and compares them.
//
//   bench_launch frame RUNS NAME_A "CMD_A" NAME_B "CMD_B"
//       Start-up to first frame: the time from just before the process is
//       started to the frame_ns the program prints (both CLOCK_MONOTONIC), and
//       the cpu_us, rss_kb and widgets it prints with it.
//   bench_launch process RUNS NAME_A "CMD_A" NAME_B "CMD_B"
//       The whole process: from just before it starts to its exit, and its
//       processor time and peak resident memory as the kernel reports them to
//       the parent.
//
// Commands are split on blanks (no quoting). Each program runs twice first to
// warm the caches, then RUNS times, the order swapped each round (A B, B A,
// ...), so that drift in the machine's load falls on both alike. Prints
// key=value lines: NAME_median_us, NAME_min_us, NAME_cpu_us (median processor
// time), NAME_rss_kb (median), and for frame NAME_widgets; then time_ratio
// (B's median over A's), time_ratio_min, cpu_ratio and rss_ratio. Processor
// time does not count waiting for a busy machine, so its ratio is the steadier
// one where others run too. A program that fails stops the run with status 1.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "bench_launch: %s\n", what.c_str());
    std::exit(1);
}

struct Program {
    std::string Name;
    std::vector<std::string> Args;
    std::vector<double> Micros;
    std::vector<double> CpuMicros;
    std::vector<double> RssKb;
    long Widgets = -1;
};

struct Sample {
    double Micros = 0;
    double CpuMicros = 0;
    double RssKb = 0;
    long Widgets = -1;
};

std::vector<std::string> Split(const std::string& command)
{
    std::istringstream in(command);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    if (words.empty())
        Fail("empty command");
    return words;
}

long long Field(const std::string& text, const char* key, const std::string& program)
{
    const std::string prefix = std::string(key) + "=";
    const std::size_t at = text.find(prefix);
    if (at == std::string::npos)
        Fail(program + " printed no " + key + " (output: " + text + ")");
    return std::atoll(text.c_str() + at + prefix.size());
}

Sample RunOnce(const Program& program, bool frame)
{
    std::vector<char*> argv;
    for (const std::string& arg : program.Args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        Fail("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    pid_t pid = 0;
    const long long start = MonotonicNs();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0)
        Fail("cannot start " + program.Args[0] + ": " + std::strerror(spawned));

    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const long long end = MonotonicNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(program.Name + " failed (status " + std::to_string(status) + "): " + text);

    Sample sample;
    if (frame) {
        sample.Micros = double(Field(text, "frame_ns", program.Name) - start) / 1000.0;
        sample.CpuMicros = double(Field(text, "cpu_us", program.Name));
        sample.RssKb = double(Field(text, "rss_kb", program.Name));
        sample.Widgets = long(Field(text, "widgets", program.Name));
    } else {
        sample.Micros = double(end - start) / 1000.0;
        sample.CpuMicros = double((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL +
                                  usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
        sample.RssKb = double(usage.ru_maxrss);
    }
    return sample;
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
    if (argc != 7 || (std::strcmp(argv[1], "frame") != 0 && std::strcmp(argv[1], "process") != 0))
        Fail("usage: bench_launch frame|process RUNS NAME_A CMD_A NAME_B CMD_B");
    const bool frame = std::strcmp(argv[1], "frame") == 0;
    const int runs = std::atoi(argv[2]);
    if (runs < 1)
        Fail("RUNS must be a positive number");
    Program programs[2] = {{argv[3], Split(argv[4]), {}, {}, {}, -1}, {argv[5], Split(argv[6]), {}, {}, {}, -1}};

    for (int warm = 0; warm < 2; ++warm)
        for (Program& program : programs)
            RunOnce(program, frame);
    for (int round = 0; round < runs; ++round)
        for (int i = 0; i < 2; ++i) {
            Program& program = programs[round % 2 ? 1 - i : i];
            const Sample sample = RunOnce(program, frame);
            program.Micros.push_back(sample.Micros);
            program.CpuMicros.push_back(sample.CpuMicros);
            program.RssKb.push_back(sample.RssKb);
            program.Widgets = sample.Widgets;
        }

    for (const Program& program : programs) {
        const char* name = program.Name.c_str();
        std::printf("%s_median_us=%.0f\n%s_min_us=%.0f\n%s_cpu_us=%.0f\n%s_rss_kb=%.0f\n", name, Median(program.Micros),
                    name, Min(program.Micros), name, Median(program.CpuMicros), name, Median(program.RssKb));
        if (frame)
            std::printf("%s_widgets=%ld\n", program.Name.c_str(), program.Widgets);
    }
    std::printf("time_ratio=%.3f\ntime_ratio_min=%.3f\ncpu_ratio=%.3f\nrss_ratio=%.3f\nruns=%d\n",
                Median(programs[1].Micros) / Median(programs[0].Micros), Min(programs[1].Micros) / Min(programs[0].Micros),
                Median(programs[1].CpuMicros) / Median(programs[0].CpuMicros),
                Median(programs[1].RssKb) / Median(programs[0].RssKb), runs);
    return 0;
}
