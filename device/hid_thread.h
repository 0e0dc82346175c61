#pragma once

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVariant>
#include <QVariantList>

#include <atomic>

#include "device/device_table.h"
#include "device/link_queue.h"

#include <functional>
#include <vector>

class HidBackend;
class LinkHost;
struct HidHandle;
struct CommandFrame;

// One device-table entry examined by the last enumeration.
struct DeviceRecord
{
    int index = 0;
    QString name;
    int type = -1;
    QString commandPath;
    QString notifyPath;
    int reportLength = 0;
};

// The link to the mouse: discovery, the command transactions and the worker that listens for
// the mouse's own reports. The transactions run one at a time on the link's own thread, in the
// order they were asked for; a command slot only queues its command, so no caller waits for the
// mouse except a read, which waits for the commands ahead of it (at most ReadWaitMs). The
// worker runs on the global pool.
class Hid_Thread : public QThread
{
    Q_OBJECT

public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    // Who hears of connections, removals and the mouse's own reports, and keeps the secrecy code.
    // Null stops the link's own threads from calling it (a host that goes before the link).
    void setHost(LinkHost *host) { m_host = host; }

    // Discovery (GUI thread, while no worker listens).
    void findDevices(const DeviceTable &table);
    HidHandle *openCommandPath(int index);
    HidHandle *openNotifyPath(int index);
    QList<DeviceRecord> devices() const;
    int curDevice() const { return m_curDevice; }

    // Worker control.
    void startWorker(uint index);
    void stopWorker();
    bool isListening() const;
    void waitForWorker();
    bool isWorkerRunning() const;

    // The queue. True when nothing is queued or running.
    bool isLinkFree() const { return m_queue.isIdle(); }
    // Waits until every command asked for so far has ended; false after `timeoutMs`. Returns at
    // once on the link's own thread.
    bool waitForIdle(int timeoutMs = 30000);
    // While held, commands are queued (and folded) but none starts: a batch of settings asked
    // for in between reaches the mouse as one send per state. Holds nest.
    void holdCommands() { m_queue.hold(); }
    void releaseCommands() { m_queue.release(); }
    // Calls `done` on `context`'s thread once every command asked for before has ended.
    void whenIdle(QObject *context, std::function<void()> done);

    // How long a read waits for the commands ahead of it before it gives up: longer than the
    // longest batch folding leaves (a whole picture upload, about 2.1 s), short enough that a
    // page waiting for a reply is not frozen for good.
    static constexpr int ReadWaitMs = 2500;
    // A queue still busy this long after it started shows the busy overlay (LinkHost::linkBusy).
    static constexpr int BusyAfterMs = 300;

    // Transactions, on the link's thread (tests call them directly while the link is idle).
    void settlePause();
    bool sendCommand(int payloadLength, bool settle);
    bool readCommand(int payloadLength);

    // Commands that did not reach the mouse, counted since the link was built: the lock was not
    // obtained, or the open, send, write or read of their transaction failed. Failure n is
    // described as "command 06: write failed" (the first 256 are kept).
    int failureCount() const { return m_failureCount; }
    QString failureAt(int n) const;

public slots:
    void swichCurDevice(uint did);
    void chkDeviceIsEnCode();

    void hid_01H_SetKeyboardoption(uchar byte1);
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetReportRate(uchar rate);
    void hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);
    void hid_06H_SetProfileData(uchar *src128, uchar index);
    void hid_07H_SetKeyMatrix(uchar *src64, uchar index);
    void hid_08H_SetMacroKey(uchar macroId, uchar *src128);
    void hid_09H_SetLEDData(uchar *src128, uchar index, uchar pictureNo);
    void hid_0AH_SetLEDShow(uchar index);
    void hid_0BH_SetJMGD(uchar tmpJMGD);
    void hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid_0EH_SetXYSensitive(uchar par0, uchar par1);
    void hid_10H_SetLED8StageColor(uchar type, uchar *src24);
    void hid_11H_SetDPISet(uchar dpiStage, uchar *src8);
    void hid_81H_GetKeyboardoption(uchar &byte1);
    QVariant hid_83H_GetReportRate();
    QVariantList hid_84H_GetCurrentDPI();
    void hid_86H_ReadProfileData(uchar *src128, uchar index);
    void hid_8BH_GetCurrentDPIStage(uchar &dpiStage);
    void hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2);
    void hid_90H_GetLED8StageColor(uchar type, uchar *src24);

protected:
    // The link's thread: runs the queue until the link is destroyed.
    void run() override;

private:
    void listenLoop(uint index);

    // Command set helpers. A write copies its payload and queues itself; a read queues itself
    // and waits. Both end in a transaction on the link's thread.
    void queueWrite(const CommandFrame &frame, const uchar *payload);
    // Runs `exchange` on the link's thread (loaded with the frame, the incoming report zeroed
    // first) and waits for it; false when it did not run within ReadWaitMs.
    bool queueRead(const CommandFrame &frame, const std::function<void()> &exchange);
    void loadFrame(const CommandFrame &frame);
    bool runWrite(const CommandFrame &frame, const std::vector<uchar> &payload);
    bool runRead(const CommandFrame &frame);
    // Runs `job` on the link's thread after everything asked for before it and waits for it.
    bool runOnLink(const std::function<void()> &job, int timeoutMs);
    void noteBusy(bool starting);
    void closeCommandHandle();
    // Opens the command interface and sends the outgoing command report, then pauses.
    bool sendCommandBlock(int pauseMs);
    // Closes the command handle and releases the link lock; returns `ok`.
    bool endTransaction(bool ok);
    // Byte n of the reply block; the incoming report starts with its report id.
    uchar &reply(int n) { return m_featureIn[1 + n]; }
    DeviceRecord recordAt(int index) const;

    void recordFailure(uchar code, const char *step);

    std::atomic<LinkHost *> m_host{nullptr};
    std::atomic<int> m_failureCount{0};
    mutable QMutex m_failuresLock;
    QStringList m_failures;
    // Failures since the queue was last idle, for one word to the user per busy period.
    int m_burstFailures = 0;
    QString m_burstFirst;
    // Which step the last failed transaction stopped at.
    const char *m_failStep = "open";
    QList<DeviceRecord> m_devices;
    std::atomic<int> m_curDevice{1};
    HidHandle *m_commandHandle = nullptr;
    HidHandle *m_notifyHandle = nullptr;
    std::atomic<bool> listening{false};
    bool settleFlag = true;
    QFuture<void> m_worker;
    uchar m_featureOut[9] = {};
    uchar m_featureIn[9] = {};
    uchar m_payload[256] = {};

    LinkQueue m_queue;
    // When the queue last went from idle to busy, and whether the overlay was asked for.
    qint64 m_busySince = 0;
    bool m_busyShown = false;

    // The HID layer installed when the link was built.
    HidBackend *m_hid = nullptr;
    // The worker reads the device list and clears its record's notification path.
    mutable QMutex m_devicesLock;
    // Guards the decision of a worker to end against a start that would rely on it.
    mutable QMutex m_workerLock;
    bool m_workerActive = false;
    uint m_workerIndex = 0;
};
