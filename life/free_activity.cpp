// Free activity and the mouse rules that are not tied to the window itself.
#include "life/free_activity.h"

#include "animation/idle_animations.h"
#include "animation/walking.h"
#include "desktop/desktop.h"
#include "desktop/menu_timers.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"

void toggleFreeActivity() {
    if (freeMode != 0) {
        // The Traditional Chinese resource text's mnemonic is not restored; the killed id
        // stays recorded.
        setMenuItemText(COMMAND_FREE_ACTIVITY, TextId::FREE_ACTIVITY);
        stopTimer(activeAnimTimer);
        freeMode = 0;
    } else {
        setMenuItemText(COMMAND_FREE_ACTIVITY, TextId::STOP_ACTIVITY);
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
