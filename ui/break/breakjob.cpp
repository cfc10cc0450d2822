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

namespace {

// What the break window reads of a search on another alphabet's square.
analysis::SolverReport asSolverReport(const analysis::ShapedReport &shaped)
{
    analysis::SolverReport report;
    report.found = shaped.found;
    report.squareText = shaped.squareText;
    report.plaintext = shaped.plaintext;
    report.padding = shaped.padding;
    report.score = shaped.score;
    report.language = shaped.alphabet == analysis::AlphabetKind::Cyrillic ? analysis::Language::Bulgarian
                                                                          : analysis::Language::English;
    report.keyWord = shaped.keyWord;
    report.keyWordInList = true;
    report.keysTested = shaped.keysTested;
    report.keyWordsTested = shaped.keyWordsTested;
    report.elapsedSeconds = shaped.elapsedSeconds;
    report.restarts = shaped.restarts;
    report.agreeing = shaped.agreeing;
    return report;
}

} // namespace

BreakJob::BreakJob(std::vector<std::uint8_t> ciphertext, analysis::ShapedOptions options)
    : ThreadJob(s_running)
    , m_ciphertext(std::move(ciphertext))
    , m_shapedOptions(std::move(options))
{
    qRegisterMetaType<analysis::SolverReport>();
    qRegisterMetaType<analysis::SolverResult>();
    m_shapedOptions->onProgress = [this](const analysis::ShapedReport &report) { Q_EMIT progress(asSolverReport(report)); };
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
        if (m_shapedOptions) {
            const analysis::ShapedResult shaped = analysis::solveShaped(m_ciphertext, *m_shapedOptions, stop);
            analysis::SolverResult result;
            static_cast<analysis::SolverReport &>(result) = asSolverReport(shaped);
            result.stopped = shaped.stopped;
            result.confidence = shaped.confidence;
            result.garbling = shaped.garbling;
            Q_EMIT finished(result);
            return;
        }
        const analysis::SolverResult result = analysis::solve(m_ciphertext, m_options, stop);
        Q_EMIT finished(result);
    } catch (const analysis::CribError &error) {
        Q_EMIT failed(sentenceOf(error).text());
    } catch (const std::exception &error) {
        Q_EMIT failed(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace playfair
