// The shell32 call of the about box's link goes through a delay-load thunk: it must still
// reach shell32 and bring back the shell's answer.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

TEST(DelayLoad, TheLinksShellCallStillReachesShell32) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, nullptr, L"no-such-file.varnok", nullptr, nullptr, SW_HIDE);
    // A value of 32 or less is the shell's own error code for the missing file.
    EXPECT_LE(reinterpret_cast<INT_PTR>(result), 32);
    EXPECT_NE(GetModuleHandleW(L"shell32.dll"), nullptr);
}
