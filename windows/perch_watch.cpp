// Walking on windows in the rabbit window: hooks and the quarter-second look live only
// while it is on.
#include "windows/perch_watch.h"

#include "animation/perching.h"
#include "windows/main_window.h"
#include "windows/window_ledges.h"

namespace {
constexpr UINT LOOK_INTERVAL_MS = 250;

Desk lastRead;
} // namespace

void walkOnWindows(bool on) {
    if (on == perching()) {
        return;
    }
    if (on) {
        watchWindows(mainWindow, LOOK_AT_DESK_MESSAGE);
        startPerching(readDesk());
        lookAtDeskNow();
    } else {
        stopPerching();
        stopWatchingWindows();
        KillTimer(mainWindow, LOOK_AT_DESK_TIMER);
    }
}

void lookAtDeskNow() {
    if (!perching()) {
        return;
    }
    lastRead = readDesk();
    lookAtDesk(lastRead);
    const std::optional<Ledge> ledge = ledgeStoodOn();
    followWindow(ledge ? ledge->windowId : FLOOR);
    // Each look puts the next quarter-second look off: a rabbit that walks or falls looks
    // on its own frames.
    SetTimer(mainWindow, LOOK_AT_DESK_TIMER, LOOK_INTERVAL_MS, nullptr);
}

void lookAgainIfChanged() {
    const std::optional<Ledge> ledge = ledgeStoodOn();
    if (ledge && standsAsBefore(lastRead, *ledge, rabbitFooting())) {
        return;
    }
    lookAtDeskNow();
}

void letGoAfterDrag() {
    if (perching()) {
        letGoOfRabbit(readDesk());
    }
}

void perchAtNewScale() {
    if (perching()) {
        perchRescaled(readDesk());
    }
}
