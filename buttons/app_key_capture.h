#pragma once

#include <QObject>

class CaptureSink;

// Capture limited to the program's own windows, for platforms where nothing can listen to the
// whole desktop: an event filter on the application that hands every key and button event to
// the capture and lets it through.
class AppKeyCapture : public QObject
{
public:
    explicit AppKeyCapture(CaptureSink *sink);
    ~AppKeyCapture() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CaptureSink *m_sink;
};
