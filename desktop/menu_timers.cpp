// Menu and timer helpers shared by the window procedure and the rabbit's activities.
#include "desktop/menu_timers.h"

#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"

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
    setMenuItemText(COMMAND_FREE_ACTIVITY, TextId::FREE_ACTIVITY);
}
