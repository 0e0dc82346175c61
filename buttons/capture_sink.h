#pragma once

// Where a platform back end of the input capture hands its events: the capture itself, which
// the back ends need to know no more of.
class CaptureSink
{
public:
    // A left, right or middle button change, as a Windows mouse message, at screen position x, y.
    virtual void mouseEvent(unsigned message, unsigned x, unsigned y) = 0;
    // A key by its Linux input code.
    virtual void evdevKeyEvent(unsigned evdevCode, bool pressed) = 0;

protected:
    ~CaptureSink() = default;
};
