#pragma once

#include <QObject>

#include <atomic>
#include <stop_token>
#include <thread>

namespace playfair {

// Work that must not keep a window waiting, on a std::jthread of its own
// whose stop token the work watches. The job passes what it finds on as
// signals of its own class, which reach a window on the window's thread as
// queued calls.
//
// A job is no child of the window: a window that closes, or wants a newer
// job, asks it to stop and forgets it, and the job deletes itself once its
// thread has ended, a few milliseconds later. Its parent is the application,
// so a job still running when the program ends is stopped when the event
// loop quits and joined, at the latest, when the application object goes.
// Each kind of job counts its running threads in a counter of its own.
class ThreadJob : public QObject
{
    Q_OBJECT

public:
    void start();
    // Asks the work to stop and returns at once.
    void stop();

protected:
    explicit ThreadJob(std::atomic<int> &running);
    // Every derived class's destructor calls this first, so that the work
    // ends before the members it uses go.
    void stopAndWait();
    // Runs on the job's thread; the job deletes itself after it returns.
    virtual void work(std::stop_token stop) = 0;

private:
    std::atomic<int> &m_running;
    std::jthread m_thread;
};

} // namespace playfair
