#pragma once

#include <QObject>

#include <memory>

class CaptureSink;
class QSocketNotifier;

// Desktop-wide capture on X11: a connection of its own to the X server that asks for the raw
// key and button events of the XInput2 extension, which arrive whichever window has the focus.
// The connection is read on the GUI thread whenever its socket has data.
class XInputCapture : public QObject
{
public:
    // Null when there is no X server to talk to or it lacks XInput 2.
    static std::unique_ptr<XInputCapture> open(CaptureSink *sink);
    ~XInputCapture() override;

private:
    XInputCapture(CaptureSink *sink, void *display, int opcode);
    void readEvents();

    CaptureSink *m_sink;
    void *m_display;   // Display*, kept opaque so that the X headers stay in one file
    int m_opcode;
    QSocketNotifier *m_notifier = nullptr;
};
