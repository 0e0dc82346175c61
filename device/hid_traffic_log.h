#pragma once

#include "device/hid_backend.h"

#include <QFile>
#include <QMutex>

#include <atomic>

// A backend that passes every call to another one and writes each report exchanged to a text
// file (appended to what it holds), one line per report: "<ms> <TAG> <hex>", ms since program start (monotonic), hex in
// lower case without separators. Tags: SF hid_send_feature_report (the 9 bytes passed), GF
// hid_get_feature_report (the buffer after the call), WO hid_write (the bytes passed), RI
// hid_read (the bytes returned), RN hid_read_timeout (the bytes returned; only when some
// arrived). A failed call gets "!" after its tag and the bytes that were to be sent; failed
// reads carry no bytes (the line ends after the tag).
class HidTrafficLog : public HidBackend
{
public:
    HidTrafficLog(HidBackend *inner, const QString &fileName);
    ~HidTrafficLog() override;

    bool isOpen() const { return m_file.isOpen(); }
    QString errorString() const { return m_file.errorString(); }
    // Whether a line could not be written (the first failure was reported on stderr); the log
    // is then incomplete, which the caller of a scripted run must hear of.
    bool hasFailed() const { return m_failed; }

    std::vector<HidDeviceInfo> enumerate(unsigned short vendorId, unsigned short productId) override;
    HidHandle *openPath(const QString &path) override;
    int setNonblocking(HidHandle *device, int nonblock) override;
    int sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *device, unsigned char *data, size_t length) override;
    int write(HidHandle *device, const unsigned char *data, size_t length) override;
    int read(HidHandle *device, unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds) override;
    void close(HidHandle *device) override;

    // The line for one report, without its line end; public for the tests.
    static QByteArray line(qint64 ms, const char *tag, bool failed, const unsigned char *data, size_t length);
    // Milliseconds since the program started.
    static qint64 sinceStart();

private:
    void log(const char *tag, int result, const unsigned char *data, size_t length);

    HidBackend *m_inner;
    QFile m_file;
    QMutex m_lock;
    std::atomic<bool> m_failed{false};
};
