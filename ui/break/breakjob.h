#pragma once

#include "analysis/solver.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <thread>
#include <vector>

namespace playfair {

// One run of the solver on a thread of its own, for a window that must not
// wait for it. solve() blocks, so it runs on a std::jthread whose stop token
// it watches; the job passes its progress and its result on as signals, which
// reach a window on the window's thread as queued calls.
//
// The job is no child of the window: a window that closes asks it to stop
// and forgets it, and the job deletes itself once its thread has ended, a few
// milliseconds later. Its parent is the application, so a job still running
// when the program ends is stopped when the event loop quits and joined, at
// the latest, when the application object goes.
class BreakJob : public QObject
{
    Q_OBJECT

public:
    // `options.onProgress` is the job's own.
    BreakJob(std::vector<analysis::Letter> ciphertext, analysis::SolverOptions options);
    // Stops the search and waits for its thread.
    ~BreakJob() override;

    void start();
    // Asks the search to stop and returns at once; finished() follows.
    void stop();

    // How many jobs' threads have been started and not yet ended.
    static int running();

Q_SIGNALS:
    // From the job's thread, at most every progressInterval.
    void progress(const playfair::analysis::SolverReport &report);
    // Last, from the job's thread; the job deletes itself after it.
    void finished(const playfair::analysis::SolverResult &result);
    // Instead of finished() when the solver refused the input.
    void failed(const QString &message);

private:
    void run(std::stop_token stop);

    std::vector<analysis::Letter> m_ciphertext;
    analysis::SolverOptions m_options;
    std::jthread m_thread;

    static std::atomic<int> s_running;
};

} // namespace playfair

Q_DECLARE_METATYPE(playfair::analysis::SolverReport)
Q_DECLARE_METATYPE(playfair::analysis::SolverResult)
