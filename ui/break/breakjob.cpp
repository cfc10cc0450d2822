#include "breakjob.h"

#include "analysis/crib.h"
#include "workspace/solvererrors.h"

#include <QCoreApplication>

namespace playfair {

std::atomic<int> BreakJob::s_running{0};

BreakJob::BreakJob(std::vector<analysis::Letter> ciphertext, analysis::SolverOptions options)
    : QObject(QCoreApplication::instance())
    , m_ciphertext(std::move(ciphertext))
    , m_options(std::move(options))
{
    qRegisterMetaType<analysis::SolverReport>();
    qRegisterMetaType<analysis::SolverResult>();
    m_options.onProgress = [this](const analysis::SolverReport &report) { Q_EMIT progress(report); };
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &BreakJob::stop);
}

BreakJob::~BreakJob()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void BreakJob::start()
{
    if (m_thread.joinable())
        return;
    s_running.fetch_add(1);
    m_thread = std::jthread([this](std::stop_token stop) { run(std::move(stop)); });
}

void BreakJob::stop()
{
    m_thread.request_stop();
}

int BreakJob::running()
{
    return s_running.load();
}

void BreakJob::run(std::stop_token stop)
{
    try {
        const analysis::SolverResult result = analysis::solve(m_ciphertext, m_options, stop);
        Q_EMIT finished(result);
    } catch (const analysis::CribError &error) {
        Q_EMIT failed(sentenceOf(error).text());
    } catch (const std::exception &error) {
        Q_EMIT failed(QString::fromLocal8Bit(error.what()));
    }
    // Posted to the job's own thread: the destructor's join then waits only
    // for the few instructions left here.
    deleteLater();
    s_running.fetch_sub(1);
}

} // namespace playfair
