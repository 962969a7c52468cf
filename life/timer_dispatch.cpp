// The timer table: which step each timer runs.
#include "life/timer_dispatch.h"

#include "animation/idle_animations.h"
#include "animation/perching.h"
#include "animation/walking.h"
#include "desktop/timers.h"
#include "life/care.h"
#include "life/life_clock.h"

namespace {
struct TimerHandler {
    int timerId;
    void (*step)();
};

const TimerHandler timerTable[] = {
    {TIMER_LIFE_CLOCK, lifeClockTick},
    {TIMER_WALK_LEFT, stepWalkLeft},
    {TIMER_WALK_RIGHT, stepWalkRight},
    {TIMER_WANDER, wanderScheduler},
    {TIMER_EAT, stepEat},
    {TIMER_DRINK, stepDrink},
    {TIMER_LABOUR, stepLabour},
    {TIMER_BLINK, stepBlink},
    {TIMER_PLAY_A, stepPlayA},
    {TIMER_SLEEP, stepSleep},
    {TIMER_PLAY_B, stepPlayB},
    {TIMER_STRETCH, stepStretch},
    {TIMER_DIAG_LEFT, stepDiagLeft},
    {TIMER_DIAG_RIGHT, stepDiagRight},
    {TIMER_FALL, stepFall},
};
} // namespace

bool runTimerStep(int timerId) {
    for (const TimerHandler& handler : timerTable) {
        if (handler.timerId == timerId) {
            handler.step();
            return true;
        }
    }
    return false;
}
