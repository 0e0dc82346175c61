#include "app/copydata_filter.h"

#include "app/copydata_text.h"

#ifdef Q_OS_WIN
#include "app/copydata_win.h"
#endif

bool CopyDataFilter::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    unsigned long tag = 0;
    const void *data = nullptr;
    std::size_t size = 0;
    if (!copyDataFromMessage(message, &tag, &data, &size))
        return false;
    std::string text;
    if (m_window && copyDataTextToShow(tag, data, size, &text))
        showCopyDataWarning(m_window->windowTitle().toUtf8().constData(), text.c_str());
    if (result)
        *result = 1;
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    Q_UNUSED(result);
    return false;
#endif
}
