// Walking on windows in the rabbit window: hooks and the quarter-second look live only
// while it is on.
#include "windows/perch_watch.h"

#include "animation/perching.h"
#include "windows/main_window.h"
#include "windows/window_ledges.h"

namespace {
constexpr UINT LOOK_INTERVAL_MS = 250;

// What the quarter-second look compares with.
Desk lastRead;

const Desk& readForRabbit() {
    lastRead = readDesk();
    return lastRead;
}

// The moves of the window under the rabbit are heard as they happen, and each look puts the
// next quarter-second look off: a rabbit that walks or falls looks on its own frames.
void afterLook() {
    const std::optional<Ledge> ledge = ledgeStoodOn();
    followWindow(ledge ? ledge->windowId : FLOOR);
    SetTimer(mainWindow, LOOK_AT_DESK_TIMER, LOOK_INTERVAL_MS, nullptr);
}
} // namespace

void walkOnWindows(bool on) {
    if (on == perching()) {
        return;
    }
    if (on) {
        watchWindows(mainWindow, LOOK_AT_DESK_MESSAGE);
        startPerching(readForRabbit());
        afterLook();
    } else {
        stopPerching();
        stopWatchingWindows();
        KillTimer(mainWindow, LOOK_AT_DESK_TIMER);
    }
}

void lookAtDeskNow() {
    if (perching()) {
        lookAtDesk(readForRabbit());
        afterLook();
    }
}

void lookAgainIfChanged() {
    const std::optional<Ledge> ledge = ledgeStoodOn();
    if (!ledge || !standsAsBefore(lastRead, *ledge, rabbitFooting())) {
        lookAtDeskNow();
    }
}

void letGoAfterDrag() {
    if (perching()) {
        letGoOfRabbit(readForRabbit());
        afterLook();
    }
}

void perchAtNewScale() {
    if (perching()) {
        perchRescaled(readForRabbit());
        afterLook();
    }
}
