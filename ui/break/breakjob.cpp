#include "breakjob.h"

#include "analysis/crib.h"
#include "workspace/solvererrors.h"

namespace playfair {

std::atomic<int> BreakJob::s_running{0};

BreakJob::BreakJob(std::vector<analysis::Letter> ciphertext, analysis::SolverOptions options)
    : ThreadJob(s_running)
    , m_ciphertext(std::move(ciphertext))
    , m_options(std::move(options))
{
    qRegisterMetaType<analysis::SolverReport>();
    qRegisterMetaType<analysis::SolverResult>();
    m_options.onProgress = [this](const analysis::SolverReport &report) { Q_EMIT progress(report); };
}

BreakJob::~BreakJob()
{
    stopAndWait();
}

int BreakJob::running()
{
    return s_running.load();
}

void BreakJob::work(std::stop_token stop)
{
    try {
        const analysis::SolverResult result = analysis::solve(m_ciphertext, m_options, stop);
        Q_EMIT finished(result);
    } catch (const analysis::CribError &error) {
        Q_EMIT failed(sentenceOf(error).text());
    } catch (const std::exception &error) {
        Q_EMIT failed(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace playfair
