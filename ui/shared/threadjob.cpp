#include "threadjob.h"

#include <QCoreApplication>

namespace playfair {

ThreadJob::ThreadJob(std::atomic<int> &running)
    : QObject(QCoreApplication::instance())
    , m_running(running)
{
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &ThreadJob::stop);
}

void ThreadJob::stopAndWait()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void ThreadJob::start()
{
    if (m_thread.joinable())
        return;
    m_running.fetch_add(1);
    m_thread = std::jthread([this](std::stop_token stop) {
        work(std::move(stop));
        // Posted to the job's own thread: the destructor's join then waits
        // only for the few instructions left here.
        deleteLater();
        m_running.fetch_sub(1);
    });
}

void ThreadJob::stop()
{
    m_thread.request_stop();
}

} // namespace playfair
