// Kills the save driver at random moments while it saves two images by turns: after
// every kill the save file must hold one of them whole, with the bytes beyond it.
// A normal run kills it 200 times; every kill gives the run the watchdog's time again, so
// a stress run of any count goes to its end (past 1500 s, give ctest a --timeout):
//   VARNOK_SAVE_KILLS=1000 ctest --test-dir build/<dir> -R SaveCrash
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "save_samples.h"
#include "save_test_files.h"
#include "win_test_support.h"

namespace {
constexpr int NORMAL_RUN_KILLS = 200;
constexpr DWORD DRIVER_TIMEOUT_MS = 20000;
// Spread over several saves, so kills land in every step of one.
constexpr long LONGEST_DELAY_US = 20000;

int killCount() {
    const char* wanted = std::getenv("VARNOK_SAVE_KILLS");
    return wanted != nullptr ? std::atoi(wanted) : NORMAL_RUN_KILLS;
}

void spinMicroseconds(long us) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    do {
        QueryPerformanceCounter(&now);
    } while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < us);
}

class SaveCrash : public ::testing::Test {
  protected:
    std::wstring folder = testFolder() + L"\\crash";
    void TearDown() override { removeTree(folder); }
};

TEST_F(SaveCrash, EveryKillLeavesOneWholeImage) {
    const std::wstring exe = installSaveDriver(folder);
    const std::wstring saveFile = folder + L"\\rabbit.dat";
    std::string tail;
    for (int i = 0; i < 300; ++i) {
        tail += static_cast<char>(255 - i);
    }
    const std::string images[2] = {sampleBytes(0) + tail, sampleBytes(1) + tail};
    writeFileBytes(saveFile, images[0]);

    const std::wstring readyName =
        L"Local\\varnok-save-driver-" + std::to_wstring(GetCurrentProcessId());
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, readyName.c_str());
    std::random_device seedSource;
    const unsigned seed = seedSource();
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, LONGEST_DELAY_US);
    const int kills = killCount();
    int found[2] = {};
    for (int kill = 0; kill < kills; ++kill) {
        PROCESS_INFORMATION driver;
        ASSERT_TRUE(startSaveDriver(exe, L"loop " + readyName, driver));
        const bool started = WaitForSingleObject(ready, DRIVER_TIMEOUT_MS) == WAIT_OBJECT_0;
        if (started) {
            spinMicroseconds(delay(random));
        }
        TerminateProcess(driver.hProcess, 1);
        WaitForSingleObject(driver.hProcess, INFINITE);
        CloseHandle(driver.hThread);
        CloseHandle(driver.hProcess);
        ASSERT_TRUE(started);

        // A kill inside a replace that moves the old file aside first (Wine's does) may
        // leave only the new file, which the next save or load takes up.
        const std::string bytes =
            fileExists(saveFile) ? readFileBytes(saveFile) : readFileBytes(newFileOf(saveFile));
        const int which = bytes == images[0] ? 0 : bytes == images[1] ? 1 : -1;
        ASSERT_NE(which, -1) << "seed " << seed << ", kill " << kill << ": " << bytes.size()
                             << " bytes of neither image";
        ++found[which];
        restartWatchdog();
    }
    CloseHandle(ready);
    std::printf("%d kills: old image %d times, new image %d times\n", kills, found[0], found[1]);
    EXPECT_GT(found[0], 0);
    EXPECT_GT(found[1], 0);

    // A save after a kill finds the new file the killed one left, and leaves none itself.
    EXPECT_EQ(runSaveDriver(exe, L"once", DRIVER_TIMEOUT_MS), 0);
    EXPECT_FALSE(fileExists(newFileOf(saveFile)));
    EXPECT_EQ(readFileBytes(saveFile).size(), images[0].size());
}
} // namespace
