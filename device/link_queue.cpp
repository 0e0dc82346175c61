#include "device/link_queue.h"

#include <algorithm>
#include <chrono>

LinkQueue::Ticket LinkQueue::push(Job job)
{
    std::lock_guard<std::mutex> l(m_lock);
    if (job.stateKey != 0) {
        m_jobs.erase(std::remove_if(m_jobs.begin(), m_jobs.end(),
                                    [&](const Entry &e) { return e.job.stateKey == job.stateKey; }),
                     m_jobs.end());
    }
    const Ticket ticket = ++m_lastTicket;
    m_jobs.push_back({ticket, std::move(job)});
    m_changed.notify_all();
    return ticket;
}

bool LinkQueue::take(Job *job)
{
    std::unique_lock<std::mutex> l(m_lock);
    // A stop ends any hold: what was asked for still goes before the link closes.
    m_changed.wait(l, [this] { return startableLocked() || m_stopped; });
    if (m_jobs.empty())
        return false;
    Entry e = std::move(m_jobs.front());
    m_jobs.pop_front();
    *job = std::move(e.job);
    m_running = true;
    m_runningTicket = e.ticket;
    return true;
}

void LinkQueue::finish()
{
    std::lock_guard<std::mutex> l(m_lock);
    m_running = false;
    m_changed.notify_all();
}

bool LinkQueue::waitFor(Ticket ticket, int timeoutMs)
{
    std::unique_lock<std::mutex> l(m_lock);
    // Ended, or folded away, and nothing older still waiting or running.
    auto done = [&] {
        const bool queued = std::any_of(m_jobs.begin(), m_jobs.end(), [&](const Entry &e) { return e.ticket <= ticket; });
        return !queued && !(m_running && m_runningTicket <= ticket);
    };
    return m_changed.wait_for(l, std::chrono::milliseconds(timeoutMs), done);
}

bool LinkQueue::waitForIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> l(m_lock);
    return m_changed.wait_for(l, std::chrono::milliseconds(timeoutMs), [this] { return m_jobs.empty() && !m_running; });
}

void LinkQueue::hold()
{
    std::lock_guard<std::mutex> l(m_lock);
    ++m_holds;
}

void LinkQueue::release()
{
    std::lock_guard<std::mutex> l(m_lock);
    if (m_holds > 0)
        --m_holds;
    m_changed.notify_all();
}

bool LinkQueue::isIdle() const
{
    std::lock_guard<std::mutex> l(m_lock);
    return m_jobs.empty() && !m_running;
}

int LinkQueue::pending() const
{
    std::lock_guard<std::mutex> l(m_lock);
    return int(m_jobs.size());
}

void LinkQueue::stop()
{
    std::lock_guard<std::mutex> l(m_lock);
    m_stopped = true;
    m_holds = 0;
    m_changed.notify_all();
}
