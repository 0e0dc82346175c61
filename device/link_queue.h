#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

// The commands of the link waiting for their turn. Any thread asks; one thread, the link's own,
// takes them in the order asked for. A command that replaces a state the mouse keeps (the
// profile block, the key matrix, the report rate, ...) carries that state's key: asking again
// before the older one has started drops the older one, so only the newest goes, in the place
// of the newest request.
class LinkQueue
{
public:
    using Ticket = std::uint64_t;

    struct Job
    {
        // 0: never folded.
        int stateKey = 0;
        std::function<void()> run;
    };

    // Returns the job's ticket; tickets grow in the order asked for.
    Ticket push(Job job);

    // The link's thread: waits for the next job that may start. False once stopped and empty.
    bool take(Job *job);
    // The link's thread: the job taken last has ended.
    void finish();

    // Waits until every job up to `ticket` has ended or was folded away, at most `timeoutMs`.
    bool waitFor(Ticket ticket, int timeoutMs);
    // Waits until nothing is queued or running, at most `timeoutMs`.
    bool waitForIdle(int timeoutMs);

    // While held, jobs are queued and folded but none starts; a batch asked for while held goes
    // out as one. Holds nest.
    void hold();
    void release();

    bool isIdle() const;
    // Jobs waiting (the running one not counted).
    int pending() const;

    // take() then hands out what is left and returns false when nothing is.
    void stop();

private:
    bool startableLocked() const { return !m_jobs.empty() && m_holds == 0; }

    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    struct Entry
    {
        Ticket ticket;
        Job job;
    };
    std::deque<Entry> m_jobs;
    Ticket m_lastTicket = 0;
    Ticket m_runningTicket = 0;
    bool m_running = false;
    int m_holds = 0;
    bool m_stopped = false;
};
