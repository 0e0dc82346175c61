#pragma once

#include <QString>

// What the device link needs from the program above it; the main window answers. A link
// without a host (tests, tools) keeps the default secrecy code and tells nobody.
class LinkHost
{
public:
    // The secrecy code stored for device `device`, or `fallback` when none is. GUI thread.
    virtual QString secrecyCode(int device, const QString &fallback) const = 0;

    // The connection check found device `device` and the link is free. GUI thread.
    virtual void linkConnected(int device) = 0;
    // The connection check found no device. GUI thread.
    virtual void linkMissing() = 0;

    // Called by the worker from its pool thread: an implementation takes them to its own.
    // The mouse went away while the worker listened.
    virtual void linkLost() = 0;
    // The mouse sent a report of its own: its values may have changed.
    virtual void mouseReported() = 0;
    // The DPI button moved the mouse to stage `stage` (0..7).
    virtual void dpiStageSwitched(int stage) = 0;

    // Called from the link's own thread. The queue has been busy for a while (true) or has
    // emptied again (false).
    virtual void linkBusy(bool busy) { (void)busy; }
    // Once the queue has emptied: `count` commands of that busy period did not reach the mouse,
    // the first as `first` ("command 06: write failed").
    virtual void commandsFailed(int count, const QString &first) { (void)count; (void)first; }

protected:
    ~LinkHost() = default;
};
