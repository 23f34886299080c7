// Prints, for each visible top-level window with the title given, whether
// its border lets it be resized ("sizing") or not ("fixed"), as Windows
// shows it: a sizing border has WS_THICKFRAME.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

const wchar_t* wantedTitle = nullptr;

BOOL CALLBACK report(HWND window, LPARAM)
{
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (IsWindowVisible(window) && std::wcscmp(title, wantedTitle) == 0) {
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        std::printf("%s\n", (style & WS_THICKFRAME) ? "sizing" : "fixed");
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 2)
        return 2;
    wantedTitle = argv[1];
    EnumWindows(report, 0);
    return 0;
}
