// Replies of the mouse of any length and content: the reply feature reports and payload input
// reports of every read command, with and without scrambling and for any report length of the
// device record, then notification reports for the listener.
//
// Input: an options byte, a report-length byte, then replies in the order the link asks for
// them: a length byte and that many bytes; 0xFF fails the call, 0xFE leaves the firmware's own
// answer. When the input is used up the firmware answers for itself.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "device/device_table.h"
#include "device/hid_thread.h"
#include "device/link_state.h"
#include "app/myqquickview.h"

#include <QCoreApplication>
#include <QMutex>
#include <QThread>

#include <deque>

namespace {

struct Reply
{
    enum Kind { Own, Fail, Bytes } kind;
    QByteArray bytes;
};

QMutex repliesLock;
std::deque<Reply> replies;
bool notificationsOnly = false;

bool answer(VirtualMouse::Call call, QByteArray &report)
{
    QMutexLocker l(&repliesLock);
    // The listener's reads must not take the command replies away, whatever the timing.
    if ((call == VirtualMouse::Call::ReadTimeout) != notificationsOnly)
        return true;
    if (replies.empty())
        return call != VirtualMouse::Call::ReadTimeout;
    const Reply r = replies.front();
    replies.pop_front();
    if (r.kind == Reply::Fail)
        return false;
    if (r.kind == Reply::Bytes)
        report = r.bytes;
    return true;
}

bool repliesLeft()
{
    QMutexLocker l(&repliesLock);
    return !replies.empty();
}

myQQuickView *bridge = nullptr;
DeviceTable table;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    table = loadBuiltInDeviceTable({});
    bridge = new myQQuickView;
    bridge->hidThread = v.link;
    v.mouse.setReplyHook(answer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    Hid_Thread &link = *v.link;
    Fuzz::InputReader in(data, size);

    const uint8_t options = in.byte();
    const bool scrambled = options & 1;
    LinkState::isEncode = scrambled;
    v.mouse.setScrambling(scrambled);
    // The record's report length comes from the device table; the mouse keeps its own 64.
    DeviceTable t = table;
    const uint8_t length = in.byte();
    for (DeviceTableEntry &e : t)
        e.reportLength = (options & 2) ? length : 64u;
    link.findDevices(t);

    {
        QMutexLocker l(&repliesLock);
        replies.clear();
        notificationsOnly = false;
        while (!in.atEnd()) {
            const uint8_t head = in.byte();
            if (head == 0xFF)
                replies.push_back({Reply::Fail, {}});
            else if (head == 0xFE)
                replies.push_back({Reply::Own, {}});
            else
                replies.push_back({Reply::Bytes, in.bytes(head)});
        }
    }

    uchar byte1 = 0;
    link.hid_81H_GetKeyboardoption(byte1);
    v.requireIdle("0x81");
    link.hid_83H_GetReportRate();
    v.requireIdle("0x83");
    const QVariantList dpi = link.hid_84H_GetCurrentDPI();
    Fuzz::VirtualLink::require(dpi.isEmpty() || dpi.size() == 3, "0x84 gives three values");
    v.requireIdle("0x84");
    // Guard bytes on both sides of every caller's buffer: a read must stay inside it.
    uchar block[128 + 32];
    std::fill(std::begin(block), std::end(block), uchar(0xA5));
    link.hid_86H_ReadProfileData(block + 16, uchar(options >> 4));
    for (int i = 0; i < 16; ++i)
        Fuzz::VirtualLink::require(block[i] == 0xA5 && block[144 + i] == 0xA5, "0x86 stays in its buffer");
    v.requireIdle("0x86");
    uchar stage = 0;
    link.hid_8BH_GetCurrentDPIStage(stage);
    uchar effect = 0, option1 = 0, option2 = 0;
    link.hid_8DH_GetRGBLedEffect(effect, option1, option2);
    for (uchar type : {uchar(1), uchar(2)}) {
        uchar colours[24 + 32];
        std::fill(std::begin(colours), std::end(colours), uchar(0xA5));
        link.hid_90H_GetLED8StageColor(type, colours + 16);
        for (int i = 0; i < 16; ++i)
            Fuzz::VirtualLink::require(colours[i] == 0xA5 && colours[40 + i] == 0xA5, "0x90 stays in its buffer");
        v.requireIdle("0x90");
    }
    // What the pages make of the replies.
    bridge->mouseReadDPISet();
    v.requireIdle("mouseReadDPISet");

    // The rest goes to the listener as notification reports.
    {
        QMutexLocker l(&repliesLock);
        notificationsOnly = true;
    }
    if (repliesLeft()) {
        link.startWorker(uint(link.curDevice()));
        while (repliesLeft() && link.isWorkerRunning())
            QThread::yieldCurrentThread();
        link.stopWorker();
        link.waitForWorker();
    }
    QCoreApplication::processEvents();
    return 0;
}
