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
// the mouse's own reports. A QThread by descent only; the worker runs on the global pool.
class Hid_Thread : public QThread
{
    Q_OBJECT

public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    // Who hears of connections, removals and the mouse's own reports, and keeps the secrecy code.
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

    // Transactions.
    bool acquireLink();
    void settlePause();
    bool sendCommand(int payloadLength, bool settle);
    bool readCommand(int payloadLength);
    void setLinkFree(bool free);
    bool isLinkFree() const { return linkFree; }

    // Commands that did not reach the mouse, counted since the link was built: the lock was not
    // obtained, or the open, send, write or read of their transaction failed. Failure n is
    // described as "command 06: write failed" (the first 256 are kept).
    int failureCount() const { return m_failureCount; }
    QString failureAt(int n) const { return n >= 0 && n < m_failures.size() ? m_failures[n] : QString(); }

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

private:
    void listenLoop(uint index);

    // Command set helpers: take the lock, load the frame, run its transaction.
    bool beginCommand(const CommandFrame &frame);
    bool runWrite(const CommandFrame &frame, const uchar *payload);
    bool runRead(const CommandFrame &frame);
    void closeCommandHandle();
    // Opens the command interface and sends the outgoing command report, then pauses.
    bool sendCommandBlock(int pauseMs);
    // Closes the command handle and releases the link lock; returns `ok`.
    bool endTransaction(bool ok);
    // Byte n of the reply block; the incoming report starts with its report id.
    uchar &reply(int n) { return m_featureIn[1 + n]; }
    DeviceRecord recordAt(int index) const;

    void recordFailure(uchar code, const char *step);

    LinkHost *m_host = nullptr;
    int m_failureCount = 0;
    QStringList m_failures;
    // Which step the last failed transaction stopped at.
    const char *m_failStep = "open";
    QList<DeviceRecord> m_devices;
    int m_curDevice = 1;
    HidHandle *m_commandHandle = nullptr;
    HidHandle *m_notifyHandle = nullptr;
    bool linkFree = true;
    std::atomic<bool> listening{false};
    bool settleFlag = true;
    QFuture<void> m_worker;
    uchar m_featureOut[9] = {};
    uchar m_featureIn[9] = {};
    uchar m_payload[256] = {};

    // The HID layer installed when the link was built.
    HidBackend *m_hid = nullptr;
    // The worker reads the device list and clears its record's notification path.
    mutable QMutex m_devicesLock;
    // Guards the decision of a worker to end against a start that would rely on it.
    mutable QMutex m_workerLock;
    bool m_workerActive = false;
    uint m_workerIndex = 0;
};
