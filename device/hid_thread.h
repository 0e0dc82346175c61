#pragma once

#include <QFuture>
#include <QList>
#include <QString>
#include <QThread>
#include <QVariant>
#include <QVariantList>

#include "app/device_table.h"

class QWidget;
class Widget;
struct hid_device_;

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

    void setOwner(Widget *owner) { m_owner = owner; }
    Widget *owner() const { return m_owner; }

    // Discovery (GUI thread, while no worker listens).
    void findDevices(const DeviceTable &table);
    hid_device_ *openCommandPath(int index);
    hid_device_ *openNotifyPath(int index);
    const QList<DeviceRecord> &devices() const { return m_devices; }
    int curDevice() const { return m_curDevice; }

    // Worker control.
    void startWorker(uint index);
    void stopWorker();
    bool isListening() const;
    void waitForWorker();

    // Transactions.
    bool acquireLink();
    void settlePause();
    bool sendCommand(int payloadLength, bool settle);
    bool readCommand(int payloadLength);
    void setLinkFree(bool free);

public slots:
    void swichCurDevice(uint did);
    void chkDeviceIsEnCode();

    uchar hidCS(uchar *data);
    void USBDataEncryption(uchar *FIFOBuf, uchar *SecrecyCode);
    void USBDataDecipher(uchar *FIFOBuf, uchar *SecrecyCode);

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

    Widget *m_owner = nullptr;
    QList<DeviceRecord> m_devices;
    int m_curDevice = 1;
    hid_device_ *m_commandHandle = nullptr;
    hid_device_ *m_notifyHandle = nullptr;
    bool linkFree = true;
    bool listening = false;
    bool settleFlag = true;
    QFuture<void> m_worker;
    uchar m_featureOut[9] = {};
    uchar m_featureIn[9] = {};
    uchar m_payload[256] = {};
};
