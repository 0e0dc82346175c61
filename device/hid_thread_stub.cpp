// Placeholder of the device link until discovery and the command set land: no device is ever
// found, so every check ends in the device-error branch.
#include "device/hid_thread.h"

#include "app/widget.h"
#include "device/link_state.h"

#include <QDebug>

Hid_Thread::Hid_Thread(QObject *parent) : QThread(parent) {}
Hid_Thread::~Hid_Thread() { stopWorker(); }

void Hid_Thread::findDevices(const DeviceTable &table)
{
    QList<DeviceRecord> list;
    for (int i = 0; i < table.size(); ++i) {
        DeviceRecord r;
        r.index = i;
        r.name = table[i].name;
        r.type = table[i].type;
        r.reportLength = int(table[i].reportLength);
        list.append(r);
    }
    m_devices = list;
}

hid_device_ *Hid_Thread::openCommandPath(int) { return nullptr; }
hid_device_ *Hid_Thread::openNotifyPath(int) { return nullptr; }
void Hid_Thread::startWorker(uint) {}
void Hid_Thread::stopWorker() { listening = false; }
bool Hid_Thread::isListening() const { return listening; }
void Hid_Thread::waitForWorker() {}
bool Hid_Thread::acquireLink() { return true; }
void Hid_Thread::settlePause() {}
bool Hid_Thread::sendCommand(int, bool) { return false; }
bool Hid_Thread::readCommand(int) { return false; }
void Hid_Thread::setLinkFree(bool free) { linkFree = free; }

void Hid_Thread::swichCurDevice(uint did)
{
    if (int(did) != m_curDevice)
        m_curDevice = int(did);
    chkDeviceIsEnCode();
}

void Hid_Thread::chkDeviceIsEnCode()
{
    qDebug() << "Device Error";
    m_curDevice = 0;
    LinkState::deviceConnected = false;
    if (m_owner)
        m_owner->notifyInit(0);
}

uchar Hid_Thread::hidCS(uchar *) { return 0; }
void Hid_Thread::USBDataEncryption(uchar *, uchar *) {}
void Hid_Thread::USBDataDecipher(uchar *, uchar *) {}
void Hid_Thread::hid_01H_SetKeyboardoption(uchar) {}
void Hid_Thread::hid_02H_SetCurrentProfile(uchar) {}
void Hid_Thread::hid_03H_SetReportRate(uchar) {}
void Hid_Thread::hid_04H_SetGunData(uchar, uchar, uchar, uchar, uchar) {}
void Hid_Thread::hid_06H_SetProfileData(uchar *, uchar) {}
void Hid_Thread::hid_07H_SetKeyMatrix(uchar *, uchar) {}
void Hid_Thread::hid_08H_SetMacroKey(uchar, uchar *) {}
void Hid_Thread::hid_09H_SetLEDData(uchar *, uchar, uchar) {}
void Hid_Thread::hid_0AH_SetLEDShow(uchar) {}
void Hid_Thread::hid_0BH_SetJMGD(uchar) {}
void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar, uchar, uchar) {}
void Hid_Thread::hid_0EH_SetXYSensitive(uchar, uchar) {}
void Hid_Thread::hid_10H_SetLED8StageColor(uchar, uchar *) {}
void Hid_Thread::hid_11H_SetDPISet(uchar, uchar *) {}
void Hid_Thread::hid_81H_GetKeyboardoption(uchar &) {}
QVariant Hid_Thread::hid_83H_GetReportRate() { return 1; }
QVariantList Hid_Thread::hid_84H_GetCurrentDPI() { return {}; }
void Hid_Thread::hid_86H_ReadProfileData(uchar *, uchar) {}
void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &) {}
void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &, uchar &, uchar &) {}
void Hid_Thread::hid_90H_GetLED8StageColor(uchar, uchar *) {}
void Hid_Thread::listenLoop(uint) {}
