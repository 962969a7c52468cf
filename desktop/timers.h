// Timer identifiers of the rabbit window and the common frame interval.
#pragma once

enum TimerId {
    TIMER_LIFE_CLOCK = 1,
    TIMER_WALK_LEFT = 1000,
    TIMER_WALK_RIGHT = 2000,
    TIMER_WANDER = 3000,
    TIMER_EAT = 4000,
    TIMER_DRINK = 5000,
    TIMER_LABOUR = 6000,
    TIMER_BLINK = 7000,
    TIMER_PLAY_A = 8000,
    TIMER_SLEEP = 9000,
    TIMER_PLAY_B = 10000,
    TIMER_STRETCH = 11000,
    TIMER_DIAG_LEFT = 12000,
    TIMER_DIAG_RIGHT = 13000,
    // Has no handler; stopAnimationTimers kills it with the others.
    TIMER_LAST_ANIMATION = 14000,
    // Past the animation timers, so that a rabbit that dies in mid-fall still lands.
    TIMER_FALL = 15000,
};

constexpr int ANIM_FRAME_MS = 150;
constexpr int FALL_FRAME_MS = 30;
constexpr int LIFE_CLOCK_MS = 60000;
