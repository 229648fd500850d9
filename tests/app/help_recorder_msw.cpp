// Stands in for the browser in the Windows help tests: writes its arguments, one per
// line in UTF-8, to help-recorded.txt in its current directory.
#include <cstdio>

#include <windows.h>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    FILE* out = _wfopen(L"help-recorded.txt.part", L"wb");
    if (!out || !argv) return 1;
    for (int i = 1; i < argc; ++i) {
        char utf8[4 * MAX_PATH];
        const int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, utf8, sizeof utf8, nullptr,
                                          nullptr);
        if (n > 0) std::fprintf(out, "%s\n", utf8);
    }
    std::fclose(out);
    // Whole or not at all for the test that waits for it.
    return MoveFileW(L"help-recorded.txt.part", L"help-recorded.txt") ? 0 : 1;
}
