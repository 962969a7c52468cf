// Menu and timer helpers shared by the window procedure and the rabbit's activities.
#include "app/menu_timers.h"

#include "app/app_state.h"
#include "app/desktop.h"
#include "app/timers.h"
#include "sprite/idle_animations.h"
#include "sprite/walking.h"

namespace {
const int carePositions[] = {3, 4, 5, 6, 7, 8};
}

void setCareMenuState(int mode) {
    if (mode != CARE_MENU_ENABLED && mode != CARE_MENU_GREYED) {
        return;
    }
    for (int position : carePositions) {
        enableMenuPosition(position, mode == CARE_MENU_ENABLED);
    }
}

void stopAnimationTimers() {
    for (int id = TIMER_WALK_LEFT; id <= TIMER_LAST_ANIMATION; id += 1000) {
        stopTimer(id);
    }
}

void leaveFreeMode() {
    stopTimer(activeAnimTimer);
    freeMode = 0;
    setMenuItemText(COMMAND_FREE_ACTIVITY, "自由活動");
}

void toggleFreeActivity() {
    if (freeMode != 0) {
        // The resource text's mnemonic is not restored; the killed id stays recorded.
        setMenuItemText(COMMAND_FREE_ACTIVITY, "自由活動");
        stopTimer(activeAnimTimer);
        freeMode = 0;
    } else {
        setMenuItemText(COMMAND_FREE_ACTIVITY, "停止活動");
        wanderScheduler();
        freeMode = 1;
    }
}

void stopActiveAnimation() {
    stopTimer(activeAnimTimer);
}

void rearmAfterMousePress() {
    if (sleeping == 0 && freeMode != 0) {
        startTimer(activeAnimTimer, ANIM_FRAME_MS);
    }
}

void onDoubleClick() {
    if (sleeping == 0 && freeMode == 0) {
        playOnDoubleClick();
    }
}
