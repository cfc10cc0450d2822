// Start-up of the program's window beside a bare Qt window: the time from
// process start to the first painted window, and the peak memory.
//
//     bench_startup [runs] <startup_window> <startup_bare> [<startup_text>]
//                                                          (default 30 runs)
//
// Runs the twins in turn, each `runs` times after one unmeasured
// warm-up run. The launcher reads CLOCK_MONOTONIC just before fork(); the
// twin reports its own CLOCK_MONOTONIC stamps through a pipe (see
// startupprobe.h), so "start" covers fork, exec, the dynamic loader and
// static initialisation. Peak memory is the twin's own getrusage max RSS at
// its first paint, and, for comparison, the max RSS of the whole process from
// wait4(), which includes the exit: Qt 6.4 starts fontconfig while tearing
// down even when a window drew no text. Prints a Markdown table of medians.

#include "benchutil.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <ctime>
#include <map>
#include <sstream>

namespace {

using namespace playfair::bench;

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct Run
{
    std::string platform;
    std::map<std::string, double> seconds; // phase name -> seconds
    double paintRssKib = 0; // the twin's own max RSS at its first paint
    double lifeRssKib = 0;  // the max RSS of the whole process, exit included
};

// Starts `program`, waits for its report and its end. Returns false, with a
// message, when it fails or stays silent for 60 seconds.
bool launch(const std::string &program, Run &run)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return false;
    }
    const std::int64_t start = monotonicNanoseconds();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return false;
    }
    if (pid == 0) {
        // The write end stays open across exec; its number is passed on.
        const int flags = fcntl(fds[1], F_GETFD);
        fcntl(fds[1], F_SETFD, flags & ~FD_CLOEXEC);
        const std::string fd = std::to_string(fds[1]);
        setenv("PLAYFAIR_BENCH_FD", fd.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        std::perror(program.c_str());
        _exit(127);
    }
    close(fds[1]);

    std::string report;
    char buffer[512];
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 60'000) <= 0) {
            std::fprintf(stderr, "bench_startup: %s gave no report within 60 s\n", program.c_str());
            kill(pid, SIGKILL);
            break;
        }
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        report.append(buffer, std::size_t(n));
    }
    close(fds[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty()) {
        std::fprintf(stderr, "bench_startup: %s failed (status %d, report \"%s\")\n", program.c_str(), status,
                     report.c_str());
        return false;
    }

    std::map<std::string, std::int64_t> stamps;
    std::istringstream fields(report);
    std::string field;
    while (fields >> field) {
        const auto equals = field.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = field.substr(0, equals);
        const std::string value = field.substr(equals + 1);
        if (name == "platform")
            run.platform = value;
        else if (name == "maxrss")
            run.paintRssKib = std::stod(value);
        else
            stamps[name] = std::stoll(value);
    }
    const auto between = [&](std::int64_t from, const char *to) { return double(stamps[to] - from) / 1e9; };
    run.seconds["total"] = between(start, "painted");
    run.seconds["exec"] = between(start, "main");
    // Twins built before the command line was timed report no stamp for it.
    if (!stamps.count("cmdline"))
        stamps["cmdline"] = stamps["main"];
    run.seconds["cmdline"] = between(stamps["main"], "cmdline");
    run.seconds["app"] = between(stamps["cmdline"], "app");
    run.seconds["setup"] = between(stamps["app"], "setup");
    run.seconds["window"] = between(stamps["setup"], "window");
    run.seconds["show"] = between(stamps["window"], "shown");
    run.seconds["paint"] = between(stamps["shown"], "painted");
    run.seconds["own"] = between(stamps["setup"], "painted");
    run.lifeRssKib = double(usage.ru_maxrss);
    return true;
}

// "+1.23 ms (+30 %)": the difference from the bare window, with the share of
// the bare figure where that share means something.
std::string signedDifference(double value, double base, bool time, bool withPercent)
{
    const double delta = value - base;
    const double size = delta < 0 ? -delta : delta;
    std::string text = (delta < 0 ? "−" : "+") + (time ? formatSeconds(size) : formatKibibytes(size));
    if (withPercent && base != 0) {
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.0f %%)", 100 * size / base);
        text += std::string(" (") + (delta < 0 ? "−" : "+") + percent;
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    // bench_startup [runs] <startup_window> <startup_bare> [<startup_text>]
    int first = 1;
    int runs = 30;
    if (argc > 1 && std::strspn(argv[1], "0123456789") == std::strlen(argv[1])) {
        runs = iterationsFrom(2, argv, 30);
        first = 2;
    }
    const int count = argc - first;
    if (count != 2 && count != 3) {
        std::fprintf(stderr, "usage: bench_startup [runs] <startup_window> <startup_bare> [<startup_text>]\n");
        return 2;
    }
    std::vector<std::string> programs(argv + first, argv + argc);

    std::vector<std::vector<Run>> results(programs.size());
    for (int round = -1; round < runs; ++round) {
        for (std::size_t which = 0; which < programs.size(); ++which) {
            Run run;
            if (!launch(programs[which], run))
                return 1;
            if (round >= 0) // round -1 warms the caches and is not counted
                results[which].push_back(run);
        }
    }

    const auto summaryOf = [&](std::size_t which, const auto &field) {
        std::vector<double> values;
        for (const Run &run : results[which])
            values.push_back(field(run));
        return summarise(values);
    };
    const bool withText = programs.size() == 3;

    std::printf("| Start-up, %s, %d runs each, medians | Program window | Bare QWidget 504×424 | Difference |%s\n",
                results[0].front().platform.c_str(), runs, withText ? " Bare + one QLabel (text floor) |" : "");
    std::printf("|---|---:|---:|---:|%s\n", withText ? "---:|" : "");

    enum Kind { Time, Memory };
    const auto printRow = [&](const char *label, Kind kind, bool withPercent, const auto &field) {
        double figures[3] = {};
        for (std::size_t which = 0; which < programs.size(); ++which)
            figures[which] = field(which);
        const auto format = [&](double value) {
            return kind == Time ? formatSeconds(value) : formatKibibytes(value);
        };
        std::printf("| %s | %s | %s | %s |", label, format(figures[0]).c_str(), format(figures[1]).c_str(),
                    signedDifference(figures[0], figures[1], kind == Time, withPercent).c_str());
        if (withText)
            std::printf(" %s |", format(figures[2]).c_str());
        std::printf("\n");
    };
    const struct
    {
        const char *phase;
        const char *label;
    } phases[] = {
        {"exec", "… fork + exec → main() (loader, static init)"},
        {"cmdline", "… command line read"},
        {"app", "… QApplication constructor"},
        {"setup", "… setUpApplication (names, icon, style; the program's language)"},
        {"window", "… window constructor"},
        {"show", "… show()"},
        {"paint", "… show() → first expose painted and flushed"},
    };
    const auto medianOfPhase = [&](const char *phase) {
        return [&, phase](std::size_t which) {
            return summaryOf(which, [phase](const Run &run) { return run.seconds.at(phase); }).median;
        };
    };
    printRow("**Process start → first painted window**", Time, true, medianOfPhase("total"));
    for (const auto &phase : phases)
        printRow(phase.label, Time, false, medianOfPhase(phase.phase));
    // The part that differs between the twins, without the noise of the
    // loader and of the connection to the display, which they share.
    printRow("**After setUpApplication → first paint (the window's own part)**", Time, true,
             medianOfPhase("own"));
    printRow("Process start → first painted window, min", Time, true, [&](std::size_t which) {
        return summaryOf(which, [](const Run &run) { return run.seconds.at("total"); }).min;
    });
    printRow("**Peak memory (max RSS) at the first paint**", Memory, true, [&](std::size_t which) {
        return summaryOf(which, [](const Run &run) { return run.paintRssKib; }).median;
    });
    printRow("Peak memory (max RSS) of the whole run, exit included", Memory, true, [&](std::size_t which) {
        return summaryOf(which, [](const Run &run) { return run.lifeRssKib; }).median;
    });
    return 0;
}
