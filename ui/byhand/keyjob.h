#pragma once

#include "analysis/fittingkeys.h"
#include "ui/shared/threadjob.h"

#include <atomic>
#include <vector>

namespace playfair {

// The search for the key words that fit the pupil's pairs, as a ThreadJob:
// the window never waits for it (reading the system's word lists the first
// time takes a moment).
class KeyJob : public ThreadJob
{
    Q_OBJECT

public:
    KeyJob(analysis::DeductionInput input, analysis::FittingKeyOptions options);
    // Stops the search and waits for its thread.
    ~KeyJob() override;

    // How many jobs' threads have been started and not yet ended.
    static int running();

Q_SIGNALS:
    // Last, from the job's thread; the job deletes itself after it.
    void finished(const std::vector<playfair::analysis::FittingKey> &keys);

private:
    void work(std::stop_token stop) override;

    analysis::DeductionInput m_input;
    analysis::FittingKeyOptions m_options;

    static std::atomic<int> s_running;
};

} // namespace playfair

Q_DECLARE_METATYPE(std::vector<playfair::analysis::FittingKey>)
