#pragma once

#include "device/hid_backend.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>
#include <QWaitCondition>

#include <deque>
#include <functional>
#include <set>

// An in-process mouse with on-board memory behind the HID seam, used by --simulate and by the
// tests. It shows up as the device-table entry of its model (the ids of device/mouse_model.h)
// with a boot-mouse interface and both vendor interfaces (command ff01/ff01, notification
// ff02/ff02), checks every command block's checksum (unscrambling it first when its firmware
// expects scrambling), keeps what it is sent, answers the read commands from what it keeps, and
// raises its own events: the DPI button and being unplugged or plugged back.
//
// Thread-safe: the link uses the command interface on its own thread while its worker reads the
// notification interface on a pool thread; tests inspect from anywhere.
class VirtualMouse : public HidBackend
{
public:
    explicit VirtualMouse(int model = 3389);
    ~VirtualMouse() override;

    int model() const { return m_model; }
    unsigned short vendorId() const;
    unsigned short productId() const;
    QString commandPath() const;
    QString notifyPath() const;

    // HidBackend
    std::vector<HidDeviceInfo> enumerate(unsigned short vendorId, unsigned short productId) override;
    HidHandle *openPath(const QString &path) override;
    int setNonblocking(HidHandle *device, int nonblock) override;
    int sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *device, unsigned char *data, size_t length) override;
    int write(HidHandle *device, const unsigned char *data, size_t length) override;
    int read(HidHandle *device, unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds) override;
    void close(HidHandle *device) override;

    // --- The user at the mouse ---
    // The DPI button: the next enabled stage becomes current and the mouse reports 06 07 00 <stage>.
    void pressDpiButton();
    // Any report on the notification interface (normally 4 bytes).
    void sendNotification(const QByteArray &report);
    // Pulls the cable or plugs it back. Either raises the device-change callback.
    void unplug();
    void plug();
    void togglePlugged();
    bool isPlugged() const;
    // Called after every plug or unplug, outside the mouse's lock, on the thread that caused it
    // (the signal relay, a test, or the link's own thread when the mouse vanishes mid-transfer).
    void setDeviceChangeCallback(std::function<void()> callback);

    // --- Firmware options ---
    // Expect scrambled command blocks and scramble replies, with the six-character secrecy code.
    void setScrambling(bool on, const QByteArray &secrecyCode = QByteArrayLiteral("739154"));
    // Report length of the command interface (64 for the shipped models).
    void setReportLength(int length);
    int reportLength() const;

    // Runs before each call of the sections below (the user, firmware options, faults, what the
    // mouse saw, on-board memory): a test installs what makes the link finish the commands asked
    // for so far, so that it looks at or changes the mouse after them. Set it while no command runs.
    void setInspectHook(std::function<void()> hook);

    // --- Faults for tests ---
    enum class Call { Enumerate, Open, SetNonblocking, SendFeature, GetFeature, Write, Read, ReadTimeout };
    // The call after `skip` further calls of that kind fails once (open gives no handle,
    // enumerate lists nothing, the others return -1).
    void failCall(Call call, int skip = 0);
    // After `count` more reports on the command interface the mouse is gone (as if unplugged).
    void vanishAfterReports(int count);
    // The next reply block carries a wrong checksum.
    void corruptNextReply();
    // The next payload input report is cut to `bytes` bytes.
    void shortenNextInputReport(int bytes);
    // Makes reads waiting on the notification interface return at once (with nothing).
    void wakeReaders();
    // Lets a test answer in the firmware's place. The hook sees every reply feature report
    // (GetFeature, report id included), payload input report (Read) and notification report
    // (ReadTimeout) as the firmware would deliver it, empty when it has none, and may change its
    // length and content, or return false to fail the call. A notification left empty is a quiet
    // read that returns at once. It runs under the mouse's lock: it must not call the mouse.
    using ReplyHook = std::function<bool(Call call, QByteArray &report)>;
    void setReplyHook(ReplyHook hook);

    // --- What the mouse saw ---
    struct Report
    {
        enum Kind { SendFeature, GetFeature, Write, Read, ReadTimeout };
        Kind kind;
        bool command;        // on the command interface (else the notification one)
        QByteArray bytes;    // as passed (writes) or as delivered (reads)
        int result;
    };
    QList<Report> reports() const;
    // Command blocks as the mouse understood them (unscrambled), checksum valid, in order.
    QList<QByteArray> commandBlocks() const;
    // The last accepted block with this code, or empty.
    QByteArray lastCommandBlock(unsigned char code) const;
    // Blocks dropped for a wrong checksum.
    int rejectedBlocks() const;
    // Payloads begun but not completed before the next command block.
    int abandonedPayloads() const;
    void clearLog();
    // Handles opened and not yet closed: all, and those on the command interface.
    int openHandleCount() const;
    int openCommandHandles() const;

    // --- On-board memory ---
    QByteArray profileBlock(int index = 0) const;          // 0x06 / 0x86
    void setProfileBlock(int index, const QByteArray &block);
    QByteArray keyMatrix(int index = 0) const;             // 0x07; empty until sent
    QByteArray macro(int slot) const;                      // 0x08; empty until sent
    QByteArray screenChunk(int index, int pictureNo) const; // 0x09; empty until sent
    QList<QPair<int, int>> screenChunks() const;           // (index, pictureNo) received, in order
    int screenMode() const;                                // 0x0A
    int reportRate() const;                                // 0x03 / 0x83
    int liftOff() const;                                   // 0x0B
    int keyboardOption() const;                            // 0x01 / 0x81
    int currentProfile() const;                            // 0x02; the block the sensor runs on
    QByteArray gunData() const;                            // 0x04: five bytes
    QByteArray dpiSet(int stage) const;                    // 0x11: the 8 bytes sent for a stage
    QByteArray stageColours(int type) const;               // 0x10 / 0x90
    QByteArray lighting() const;                           // effect, option1, option2, R, G, B
    int currentStage() const;                              // 1..8
    void setCurrentStage(int stage);
    int stageDpi(int stage) const;                         // stage 1..8, decoded by the model
    unsigned char enabledStages() const;

private:
    struct Handle;
    struct Payload
    {
        unsigned char code = 0;
        unsigned char block[8] = {};
        int expected = 0;
        QByteArray data;
    };

    void inspect() const;
    void recordLocked(const Report &report);
    bool liveLocked(Handle *h) const;
    bool failLocked(Call call);
    void countReportLocked(std::function<void()> &notify);
    void unplugLocked();
    void acceptBlockLocked(const unsigned char *block);
    void completePayloadLocked();
    void replyLocked(const unsigned char *reply);
    QByteArray &activeBlockLocked();
    QByteArray blockLocked(int index) const;
    void raiseDeviceChange();

    const int m_model;
    mutable QMutex m_lock;
    QWaitCondition m_notified;
    std::function<void()> m_deviceChange;
    std::function<void()> m_inspect;

    bool m_plugged = true;
    int m_generation = 0;
    std::set<Handle *> m_handles;
    int m_reportLength = 64;
    bool m_scrambling = false;
    unsigned char m_code[8] = {};

    QMap<Call, QList<int>> m_faults;
    int m_vanishAfter = -1;
    bool m_corruptReply = false;
    int m_shortenInput = -1;
    int m_wakeups = 0;
    ReplyHook m_replyHook;

    QList<Report> m_reports;
    QList<QByteArray> m_blocks;
    int m_rejected = 0;
    int m_abandoned = 0;

    unsigned char m_reply[8] = {};
    bool m_hasReply = false;
    std::deque<QByteArray> m_input;          // payload input reports of the command interface
    std::deque<QByteArray> m_notifications;  // reports of the notification interface
    Payload m_payload;

    QMap<int, QByteArray> m_profiles;
    QMap<int, QByteArray> m_keyMatrix;
    QMap<int, QByteArray> m_macros;
    QMap<QPair<int, int>, QByteArray> m_screen;
    QList<QPair<int, int>> m_screenOrder;
    QMap<int, QByteArray> m_dpiSets;
    QByteArray m_stageColours2;
    QByteArray m_gunData;
    int m_screenMode = 0;
    int m_reportRate = 1;
    int m_liftOff = 2;
    int m_keyboardOption = 0;
    int m_currentProfile = 0;
    int m_currentStage = 2;
};
