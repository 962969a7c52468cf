// The seam over the soak's simulated clock and its patient, automatic user.
#include "soak_desktop.h"

#include <algorithm>

#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/timers.h"
#include "life/timer_dispatch.h"

SoakDesktop soak;

namespace {
bool isTimerId(int timerId) {
    return timerId == TIMER_LIFE_CLOCK ||
           (timerId % 1000 == 0 && timerId >= TIMER_WALK_LEFT && timerId <= TIMER_LAST_ANIMATION);
}

// A modal box: the user takes a while to answer it, and the timers go on meanwhile.
void holdBoxOpen() {
    const bool fromClock = soak.stepTimer == TIMER_LIFE_CLOCK;
    soak.boxDepth += 1;
    soak.clockBoxDepth += fromClock ? 1 : 0;
    soak.maxBoxDepth = std::max(soak.maxBoxDepth, soak.boxDepth);
    soak.maxClockBoxDepth = std::max(soak.maxClockBoxDepth, soak.clockBoxDepth);
    soak.runUntil(soak.now + soak.boxOpenMs());
    soak.boxDepth -= 1;
    soak.clockBoxDepth -= fromClock ? 1 : 0;
}
} // namespace

void SoakDesktop::runUntil(long long until) {
    int id = 0;
    while (nextDue(until, id)) {
        const int outerStep = stepTimer;
        stepTimer = id;
        runTimerStep(id);
        stepTimer = outerStep;
        stepsByTimer[id] += 1;
        if (afterStep) {
            afterStep(id);
        }
    }
    now = std::max(now, until);
}

void startTimer(int timerId, int intervalMs) {
    if (!isTimerId(timerId)) {
        soak.unknownTimerStarts += 1;
    }
    soak.start(timerId, intervalMs);
}

void stopTimer(int timerId) {
    soak.stop(timerId);
}

// The soak's rabbit never walks on windows, whose falls alone ask for this.
void redrawRabbit() {}

void showReport(const std::string&, const std::string& caption) {
    soak.reportsByCaption[caption] += 1;
    holdBoxOpen();
}

bool askYesNo(const std::string&, const std::string&) {
    soak.questions += 1;
    holdBoxOpen();
    return soak.answerYes();
}

void enableMenuPosition(int position, bool enabled) {
    if (position >= 0 && position < 12) {
        soak.menuEnabled[position] = enabled;
    }
}

void setMenuItemText(int commandId, TextId id) {
    if (commandId == COMMAND_FREE_ACTIVITY) {
        soak.freeActivityText = text(id);
    }
}

// No text is shown, so the name's bytes may pass as they are.
std::string big5ToUtf8(const char* bytes, std::size_t length) {
    return std::string(bytes, length);
}

std::string utf8ToBig5(const std::string& text) {
    return text;
}
