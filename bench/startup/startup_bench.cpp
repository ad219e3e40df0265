// Times the program from its start to its first painted window and reads its
// peak resident memory, next to a bare Qt Widgets window with stand-ins of the
// program's controls, run in turns; prints the medians and their ratios.
//   startup_bench [runs]     (QT_QPA_PLATFORM chooses the platform)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kTimeTarget = 1.3;
constexpr double kMemoryTarget = 1.2;

struct Sample {
    double ms;
    double mib;
    std::string line; // the probe's "<widgets> <shown>"
};

// Wall time from the spawn to the probe's line on its stdout; peak resident
// memory from its rusage once it has ended.
Sample run(std::vector<std::string> command)
{
    const char* probe = command.front().c_str();
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0)
        throw std::runtime_error(std::string("cannot start ") + probe);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);

    int status;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || line.empty())
        throw std::runtime_error(std::string(probe) + " ended without painting its window");
    return {std::chrono::duration<double, std::milli>(painted - start).count(), usage.ru_maxrss / 1024.0, line};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Medians {
    double ms, mib;
};

Medians medians(const std::vector<Sample>& samples)
{
    std::vector<double> ms, mib;
    for (const Sample& s : samples) {
        ms.push_back(s.ms);
        mib.push_back(s.mib);
    }
    return {median(ms), median(mib)};
}

std::string verdict(double ratio, double target)
{
    char text[32];
    std::snprintf(text, sizeof text, "<= %.1f %s", target, ratio <= target ? "met" : "MISSED");
    return text;
}

void printMedians(int runs, const std::vector<Sample>& program, const std::vector<Sample>& bare)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const Medians p = medians(program), b = medians(bare);
    const double time = p.ms / b.ms, memory = p.mib / b.mib;
    std::printf("platform %s, median of %d runs each, widgets and shown: %s\n",
                platform ? platform : "(default)", runs, program.front().line.c_str());
    std::printf("%-12s %16s %16s\n", "", "first paint", "peak memory");
    std::printf("%-12s %13.1f ms %12.1f MiB\n", "program", p.ms, p.mib);
    std::printf("%-12s %13.1f ms %12.1f MiB\n", "bare window", b.ms, b.mib);
    std::printf("%-12s %16.2f %16.2f\n", "ratio", time, memory);
    std::printf("%-12s %16s %16s\n", "target", verdict(time, kTimeTarget).c_str(),
                verdict(memory, kMemoryTarget).c_str());
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    if (runs < 21) {
        std::fputs("startup_bench: the medians need 21 runs or more\n", stderr);
        return 2;
    }
    try {
        // One pair first, unmeasured, so that both find the caches warm: the
        // program describing its controls, then the bare window building them.
        const std::vector<std::string> bareProbe{BARE_PROBE, run({PROGRAM_PROBE, "--describe"}).line};
        run(bareProbe);
        std::vector<Sample> program, bare;
        for (int i = 0; i < runs; ++i) {
            program.push_back(run({PROGRAM_PROBE}));
            bare.push_back(run(bareProbe));
        }
        if (program.front().line != bare.front().line)
            throw std::runtime_error("the bare window did not rebuild the program's controls: program " +
                                     program.front().line + ", bare " + bare.front().line + " (widgets, shown)");
        printMedians(runs, program, bare);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_bench: %s\n", e.what());
        return 1;
    }
}
