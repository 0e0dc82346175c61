// The device worker: listens on the notification interface on a pool thread.
#include "device/hid_thread.h"

#include "device/hid_backend.h"
#include "device/link_host.h"

#include "device/log_category.h"
#include <QtConcurrent/QtConcurrentRun>

void Hid_Thread::startWorker(uint index)
{
    {
        QMutexLocker l(&m_workerLock);
        listening = true;
        // The running job sees the flag at its next pass and keeps listening.
        if (m_workerActive && m_workerIndex == index)
            return;
        if (!m_workerActive) {
            m_workerActive = true;
            m_workerIndex = index;
            m_worker = QtConcurrent::run(&Hid_Thread::listenLoop, this, index);
            return;
        }
    }
    // A job for another device: let it end first, so that one listener runs at a time.
    listening = false;
    m_worker.waitForFinished();
    startWorker(index);
}

void Hid_Thread::stopWorker()
{
    listening = false;
}

bool Hid_Thread::isListening() const
{
    return listening;
}

bool Hid_Thread::isWorkerRunning() const
{
    QMutexLocker l(&m_workerLock);
    return m_workerActive;
}

void Hid_Thread::waitForWorker()
{
    m_worker.waitForFinished();
}

void Hid_Thread::listenLoop(uint index)
{
    for (;;) {
        {
            QMutexLocker l(&m_workerLock);
            if (!listening || recordAt(int(index)).notifyPath.isEmpty()) {
                m_workerActive = false;
                return;
            }
        }

        HidHandle *h = openNotifyPath(int(index));
        if (!h) {
            // Stop listening before anyone can hear of the removal: a device change that
            // follows it (the mouse plugged back) must find the window ready to check again.
            {
                QMutexLocker l(&m_devicesLock);
                if (int(index) < m_devices.size())
                    m_devices[int(index)].notifyPath.clear();
            }
            {
                QMutexLocker l(&m_workerLock);
                listening = false;
                m_workerActive = false;
            }
            qCDebug(lcDevice, "Device removed");
            if (LinkHost *host = m_host.load())
                host->linkLost();
            return;
        }

        unsigned char report[4] = {};
        const int n = m_hid->readTimeout(h, report, sizeof report, 500);
        LinkHost *host = m_host.load();
        if (n == int(sizeof report) && host) {
            host->mouseReported();
            if (report[0] == 6 && report[1] == 7 && report[3] >= 1 && report[3] <= 8)
                host->dpiStageSwitched(report[3] - 1);
        }
        m_hid->close(h);
        m_notifyHandle = nullptr;
    }
}
