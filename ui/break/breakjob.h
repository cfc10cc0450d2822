#pragma once

#include "analysis/shaped/shapedsolver.h"
#include "analysis/solver.h"
#include "ui/shared/threadjob.h"

#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace playfair {

// One run of the solver on a thread of its own, for a window that must not
// wait for it: solve() blocks, so it runs as a ThreadJob, and the job passes
// its progress and its result on as signals.
class BreakJob : public ThreadJob
{
    Q_OBJECT

public:
    // `options.onProgress` is the job's own.
    BreakJob(std::vector<analysis::Letter> ciphertext, analysis::SolverOptions options);
    // A search on a square of another alphabet (solveShaped), whose reports
    // and result come as the solver's: the square and the plaintext in the
    // alphabet's letters (UTF-8), the score by its four-letter groups.
    BreakJob(std::vector<std::uint8_t> ciphertext, analysis::ShapedOptions options);
    // Stops the search and waits for its thread.
    ~BreakJob() override;

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
    void work(std::stop_token stop) override;

    std::vector<analysis::Letter> m_ciphertext;
    analysis::SolverOptions m_options;
    std::optional<analysis::ShapedOptions> m_shapedOptions;

    static std::atomic<int> s_running;
};

} // namespace playfair

Q_DECLARE_METATYPE(playfair::analysis::SolverReport)
Q_DECLARE_METATYPE(playfair::analysis::SolverResult)
