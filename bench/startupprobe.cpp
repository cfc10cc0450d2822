#include "startupprobe.h"

#include <QApplication>
#include <QFile>
#include <QWindow>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace playfair::bench {

namespace {

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

StartupProbe::StartupProbe()
{
    mark(Main);
}

void StartupProbe::mark(Phase phase)
{
    m_times[std::size_t(phase)] = monotonicNanoseconds();
}

void StartupProbe::quitAfterFirstPaint(QApplication &app)
{
    app.installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    // The filter sees the expose event before the window does; the queued
    // call runs once the window has handled it, that is painted and flushed.
    if (!m_seenExpose && event->type() == QEvent::Expose && watched->isWindowType()
        && static_cast<QWindow *>(watched)->isExposed()) {
        m_seenExpose = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                mark(Painted);
                report();
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    }
    return false;
}

void StartupProbe::report()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    // For a look at where the memory goes: the mappings as they are now.
    if (const char *path = std::getenv("PLAYFAIR_BENCH_SMAPS")) {
        QFile smaps(QStringLiteral("/proc/self/smaps"));
        QFile copy(QString::fromLocal8Bit(path));
        if (smaps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
            copy.write(smaps.readAll());
    }

    static constexpr const char *names[PhaseCount] = {"main", "cmdline", "app", "setup", "window", "shown", "painted"};
    std::string line = "platform=" + QGuiApplication::platformName().toStdString();
    for (int phase = 0; phase < PhaseCount; ++phase)
        line += std::string(" ") + names[phase] + "=" + std::to_string(m_times[std::size_t(phase)]);
    line += " maxrss=" + std::to_string(usage.ru_maxrss) + "\n";

    if (const char *fd = std::getenv("PLAYFAIR_BENCH_FD")) {
        const int out = std::atoi(fd);
        const char *data = line.data();
        std::size_t left = line.size();
        while (left > 0) {
            const ssize_t written = ::write(out, data, left);
            if (written <= 0)
                break;
            data += written;
            left -= std::size_t(written);
        }
        ::close(out);
    } else {
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
    }
}

} // namespace playfair::bench
