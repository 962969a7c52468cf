// Measures the shell inside one process with the real rabbit window: how long the 34
// master outlines take to cut, how fast a frame change is shown, and whether GDI and
// USER objects and memory stay put over thousands of frames and hundreds of dialogs.
//
// varnok_shell_bench [FRAMES] [OPENINGS]; run from a folder holding rabbit.dat.
// Prints key=value lines.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "animation/pose_table.h"
#include "bench_time.h"
#include "desktop/desktop.h"
#include "gui_objects.h"
#include "win_test_support.h"
#include "windows/dialogs/about_dialog.h"
#include "windows/dialogs/bonus_dialog.h"
#include "windows/dialogs/items_dialog.h"
#include "windows/dialogs/settings_dialog.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/main_window.h"
#include "windows/sprite_bank.h"

namespace {
constexpr int REGION_BUILDS = 15;
constexpr int WARM_UP_OPENINGS = 10;
constexpr int FRAME_INTERVAL_MS = 150; // the animations' pace

PROCESS_MEMORY_COUNTERS memoryCounters() {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory;
}

long workingSetKb() {
    return static_cast<long>(memoryCounters().WorkingSetSize / 1024);
}

void printObjects(const char* when, const GuiObjects& objects) {
    const PROCESS_MEMORY_COUNTERS memory = memoryCounters();
    std::printf("%s_gdi=%d\n%s_user=%d\n%s_windows=%d\n%s_menus=%d\n%s_icons=%d\n"
                "%s_gdi_reported=%lu\n%s_user_reported=%lu\n%s_working_set_kb=%zu\n"
                "%s_peak_working_set_kb=%zu\n",
                when, objects.gdi, when, objects.user(), when, objects.windows, when, objects.menus,
                when, objects.iconsAndCursors, when, objects.gdiReported, when,
                objects.userReported, when, memory.WorkingSetSize / 1024, when,
                memory.PeakWorkingSetSize / 1024);
    std::fflush(stdout);
}

void timeRegionBuilding() {
    SpriteEntry* entries = spriteBank.entries;
    HRGN kept[SPRITE_COUNT];
    for (int i = 0; i < SPRITE_COUNT; ++i) {
        kept[i] = entries[i].region;
    }
    std::vector<double> times;
    for (int build = 0; build < REGION_BUILDS; ++build) {
        const double start = nowMs();
        buildSpriteRegions(mainWindow);
        times.push_back(nowMs() - start);
        for (int i = 0; i < SPRITE_COUNT; ++i) {
            DeleteObject(entries[i].region);
        }
    }
    for (int i = 0; i < SPRITE_COUNT; ++i) {
        entries[i].region = kept[i];
    }
    const double all = median(times);
    std::printf("region_builds=%d\nregions_ms=%.2f\nregion_per_picture_ms=%.3f\n", REGION_BUILDS,
                all, all / SPRITE_COUNT);
}

struct Frame {
    int pose;
    int subPose;
    int bitmapId;
};

// Every frame the pose table knows, each once.
std::vector<Frame> everyFrame() {
    std::vector<Frame> frames;
    for (int code = 0; code < 120; ++code) {
        if (bitmapForPose(code, 0) != 0) {
            frames.push_back({code, 0, bitmapForPose(code, 0)});
            continue;
        }
        for (int sub = code + 1; sub < code + 10; ++sub) {
            if (bitmapForPose(code, sub) != 0) {
                frames.push_back({code, sub, bitmapForPose(code, sub)});
            }
        }
    }
    return frames;
}

void showFrame(const Frame& frame, bool changeRegion) {
    if (changeRegion) {
        applySpriteRegion(frame.bitmapId);
    } else {
        InvalidateRect(mainWindow, nullptr, TRUE);
    }
    pose = frame.pose;
    subPose = frame.subPose;
    UpdateWindow(mainWindow);
}

// Frames per second of `count` frames, shown as fast as they go.
double framesPerSecond(const std::vector<Frame>& frames, int count, bool changeRegion) {
    const double start = nowMs();
    for (int i = 0; i < count; ++i) {
        showFrame(frames[static_cast<std::size_t>(i) % frames.size()], changeRegion);
    }
    const double elapsed = nowMs() - start;
    pumpMessages(100);
    return 1000.0 * count / elapsed;
}

// The objects are counted after one pass over every frame has made whatever the
// system creates once, and again after `count` frame changes.
GuiObjects timeFrames(int count) {
    const std::vector<Frame> frames = everyFrame();
    framesPerSecond(frames, static_cast<int>(frames.size()), true);
    framesPerSecond(frames, static_cast<int>(frames.size()), false);
    const GuiObjects warm = countGuiObjects();
    const double frameChange = framesPerSecond(frames, count, true);
    const double paintOnly = framesPerSecond(frames, count / 4, false);
    showFrame({0, 0, STANDING_SPRITE}, true);
    pumpMessages(200);
    const GuiObjects after = countGuiObjects();
    std::printf("frame_pictures=%zu\nframes=%d\nframe_change_fps=%.0f\npaint_only_fps=%.0f\n"
                "frame_change_ms=%.3f\nframe_change_over_paint_only=%.2f\n"
                "frame_change_headroom=%.0f\nframes_gdi_growth=%d\nframes_user_growth=%d\n",
                frames.size(), count, frameChange, paintOnly, 1000.0 / frameChange,
                paintOnly / frameChange, frameChange * FRAME_INTERVAL_MS / 1000.0,
                after.gdi - warm.gdi, after.user() - warm.user());
    return after;
}

struct Dialog {
    const char* name;
    void (*open)(HWND owner);
};

const Dialog dialogs[] = {
    {"about", openAboutDialog},       {"status", openStatusDialog}, {"items", openItemsDialog},
    {"settings", openSettingsDialog}, {"bonus", openBonusDialog},
};

// Growth is counted from the tenth opening on: the first ones load what the system
// then keeps (the dialog font, shared icons).
void openDialogs(int openings, ModalBoxAnswerer& boxes) {
    for (const Dialog& dialog : dialogs) {
        std::vector<double> times;
        GuiObjects warm = countGuiObjects();
        long warmKb = workingSetKb();
        for (int i = 0; i < openings; ++i) {
            const double begin = nowMs();
            dialog.open(mainWindow);
            times.push_back(nowMs() - begin);
            pumpMessages(0);
            boxes.seen.clear();
            if (i + 1 == WARM_UP_OPENINGS) {
                const GuiObjects now = countGuiObjects();
                std::printf("%s_first_openings_gdi_growth=%d\n%s_first_openings_user_growth=%d\n",
                            dialog.name, now.gdi - warm.gdi, dialog.name, now.user() - warm.user());
                warm = now;
                warmKb = workingSetKb();
            }
        }
        const GuiObjects after = countGuiObjects();
        std::printf("%s_openings=%d\n%s_open_ms=%.2f\n%s_gdi_growth=%d\n%s_user_growth=%d\n"
                    "%s_working_set_growth_kb=%ld\n",
                    dialog.name, openings, dialog.name, median(times), dialog.name,
                    after.gdi - warm.gdi, dialog.name, after.user() - warm.user(), dialog.name,
                    workingSetKb() - warmKb);
        std::fflush(stdout);
    }
}
} // namespace

int main(int argc, char** argv) {
    const int frameCount = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int openings = argc > 2 ? std::atoi(argv[2]) : 500;
    startWatchdog(900);
    ModalBoxAnswerer boxes;
    boxes.install();
    resetProgramState();

    std::printf("probe_sees_objects=%d\n", probeSeesObjects() ? 1 : 0);
    const double start = nowMs();
    createRabbitWindow();
    std::printf("window_creation_ms=%.1f\n", nowMs() - start);
    pumpMessages(500);
    const GuiObjects created = countGuiObjects();
    printObjects("created", created);

    timeRegionBuilding();
    const GuiObjects afterFrames = timeFrames(frameCount);
    printObjects("after_frames", afterFrames);

    openDialogs(openings, boxes);
    pumpMessages(200);
    const GuiObjects afterDialogs = countGuiObjects();
    printObjects("after_dialogs", afterDialogs);

    destroyRabbitWindow();
    boxes.uninstall();
    return 0;
}
