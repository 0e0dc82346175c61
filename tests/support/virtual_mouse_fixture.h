#pragma once

#include "device/virtual_mouse.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <memory>

class Hid_Thread;
class Widget;

// A virtual mouse installed as the HID layer, with the device link's fixed delays recorded
// instead of slept. Make the RuntimeTree first: the window reads ./modules.
//
//   RuntimeTree tree;
//   VirtualMouseFixture f;                     // 3389 model; VirtualMouseFixture f(3337) for the other
//   Widget *w = f.widget();                    // main window built, device check run: connected
//   w->view()->mouseSetReportRate(2);
//   QCOMPARE(f.mouse().reportRate(), 2);       // on-board memory, see device/virtual_mouse.h
//   QCOMPARE(f.lastBlock(0x03), QByteArray::fromHex("03020000000000fa"));   // as the mouse read it
//
// API
//   VirtualMouseFixture(int model = 3389, PauseMode = RecordPauses)
//   mouse()          the VirtualMouse: profileBlock(i), keyMatrix(i), macro(slot), screenChunk(i, pic),
//                    screenMode(), reportRate(), liftOff(), lighting(), stageColours(type),
//                    currentStage(), stageDpi(stage), gunData(), reports() (raw, per call),
//                    commandBlocks() (decoded), faults: failCall, vanishAfterReports, ...
//   widget(check)    the main window (built on first use; unless `check` is false, checkDevice()
//                    then runs once, as at program start)
//   bareLink()       a Hid_Thread without window, enumerated and connection-checked (no UI calls)
//   link()           the widget's link if a widget was built, else bareLink()
//   blocks()         the command blocks the mouse accepted, in order (8 bytes each)
//   lastBlock(code)  the last accepted block with that code, or empty
//   pauses()         the pauses requested since the start or clearPauses(), in ms, in order
//   pausedMs()       their sum
//   messages()       debug output captured since the start or clearMessages() ("Device Connect",
//                    "cmd Failed 06", "balloon: Info: Detect Mouse!", ...)
//   settle(ms)       runs the event loop for a while, so that queued calls arrive
//   finishCommands() waits for the links' queues (every mouse accessor does it first)
//   The destructor stops the worker at once, destroys window and link, puts hidapi and real
//   sleeping back. One fixture at a time: it installs process-wide hooks (backend, pauses,
//   message capture).
class VirtualMouseFixture
{
public:
    enum PauseMode { RecordPauses, SleepPauses };

    explicit VirtualMouseFixture(int model = 3389, PauseMode pauses = RecordPauses);
    ~VirtualMouseFixture();
    VirtualMouseFixture(const VirtualMouseFixture &) = delete;
    VirtualMouseFixture &operator=(const VirtualMouseFixture &) = delete;

    VirtualMouse &mouse() { return m_mouse; }
    Widget *widget(bool runDeviceCheck = true);
    Hid_Thread &bareLink();
    Hid_Thread &link();

    QList<QByteArray> blocks() const { return m_mouse.commandBlocks(); }
    QByteArray lastBlock(unsigned char code) const { return m_mouse.lastCommandBlock(code); }

    QList<int> pauses() const;
    int pausedMs() const;
    void clearPauses();

    QStringList messages() const;
    void clearMessages();

    static void settle(int ms = 50);
    // Waits until the links have sent what they were asked; the mouse's accessors, pauses() and
    // messages() do it first on their own.
    void finishCommands() const;

private:
    VirtualMouse m_mouse;
    std::unique_ptr<Widget> m_widget;
    std::unique_ptr<Hid_Thread> m_bare;
};
