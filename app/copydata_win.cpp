#include "app/copydata_win.h"

#include <windows.h>

#include <string>

namespace {

std::wstring widen(const char *utf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
    out.resize(std::size_t(n - 1));
    return out;
}

} // namespace

bool copyDataFromMessage(const void *msg, unsigned long *tag, const void **data, std::size_t *byteCount)
{
    const MSG *m = static_cast<const MSG *>(msg);
    if (m == nullptr || m->message != WM_COPYDATA)
        return false;
    const COPYDATASTRUCT *cds = reinterpret_cast<const COPYDATASTRUCT *>(m->lParam);
    if (cds == nullptr) {
        *tag = 0;
        *data = nullptr;
        *byteCount = 0;
        return true;
    }
    *tag = static_cast<unsigned long>(cds->dwData);
    *data = cds->lpData;
    *byteCount = cds->cbData;
    return true;
}

void showCopyDataWarning(const char *utf8Caption, const char *utf8Text)
{
    MessageBoxW(nullptr, widen(utf8Text).c_str(), widen(utf8Caption).c_str(), MB_OK | MB_ICONWARNING);
}
