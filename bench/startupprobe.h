#pragma once

// Time stamps of one start-up of a bench twin (startup_window, startup_bare),
// taken on CLOCK_MONOTONIC so that the launcher (bench_startup), which reads
// the same clock just before it forks, can tell the time from process start.
//
// Once the first expose event of a window has been handled - the window is
// painted into its backing store and flushed to the screen - the probe
// reports one line and ends the event loop:
//
//     platform=xcb main=NS cmdline=NS app=NS setup=NS window=NS shown=NS painted=NS maxrss=KiB
//
// to the file descriptor named by PLAYFAIR_BENCH_FD, or to standard output
// when the twin is run by hand. maxrss is getrusage's peak up to that moment.
// With PLAYFAIR_BENCH_SMAPS=<file> it also saves /proc/self/smaps there.

#include <QObject>

#include <array>
#include <cstdint>

class QApplication;

namespace playfair::bench {

class StartupProbe : public QObject
{
public:
    enum Phase { Main, CommandLine, Application, SetUp, Window, Shown, Painted, PhaseCount };

    // Marks Main: construct it first thing in main().
    StartupProbe();

    void mark(Phase phase);

    // Watches every window of the application; call it before show().
    void quitAfterFirstPaint(QApplication &app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    std::array<std::int64_t, PhaseCount> m_times{};
    bool m_seenExpose = false;
};

} // namespace playfair::bench
