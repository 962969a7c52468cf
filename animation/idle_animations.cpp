// The blink, the stretch and the two play sequences, one step per timer tick.
#include "animation/idle_animations.h"

#include <algorithm>
#include <cstddef>

#include "animation/phase_table.h"
#include "animation/pose_table.h"
#include "desktop/desktop.h"
#include "desktop/timers.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"

// Each sequence starts idle: its phase at its first step.
int32_t blinkPhase = 1;
int32_t blinkPasses;
int32_t playAPhase = 61;
int32_t playAPass;
int32_t playBPhase = 81;
int32_t playBDepth;
int32_t stretchPhase = 91;

namespace {
constexpr int BLINK_OPEN_MS = 200;
constexpr int BLINK_REST_MS = 300;
constexpr int PLAY_A_MS = 200;
constexpr int PLAY_B_MS = 100;
constexpr int STRETCH_MS = 200;
// Wide eyes and standing share one outline, so the blink keeps the wide-eyed one.
constexpr int BLINK_REGION = 133;

struct Frame {
    int32_t phase; // also the subPose it shows
    int bitmapId;
    int32_t next;
};

// Each pass of the first play runs 62 to 66; the second pass ends back on 62.
const Frame playAFrames[] = {{61, 147, 62}, {62, 148, 63}, {63, 149, 64},
                             {64, 150, 65}, {65, 151, 66}, {66, 152, 62}};

const Frame stretchFrames[] = {{91, 155, 92}, {92, 162, 93}, {93, 160, 94}, {94, 146, 91}};

// The second play bows out while playBDepth keeps pace with the phase, then comes back.
struct BowFrame {
    int32_t phase; // also the subPose it shows
    int bitmapId;
    int32_t depthGoingOut;
};
constexpr int32_t TURNING_POINT = -1;
const BowFrame playBFrames[] = {
    {81, 161, 0}, {82, 156, 1}, {83, 157, 2}, {84, 158, 3}, {85, 159, TURNING_POINT}};
} // namespace

void resetIdleAnimations() {
    blinkPhase = 1;
    blinkPasses = 0;
    playAPhase = 61;
    playAPass = 0;
    playBPhase = 81;
    playBDepth = 0;
    stretchPhase = 91;
}

void stepBlink() {
    applySpriteRegion(BLINK_REGION);
    if (blinkPhase == 1) {
        pose = 51;
        blinkPhase = 2;
        startTimer(TIMER_BLINK, BLINK_OPEN_MS);
        return;
    }
    pose = 0;
    blinkPhase = 1;
    blinkPasses += 1;
    // The blink ends on its second return to standing.
    if (blinkPasses == 2) {
        stopTimer(TIMER_BLINK);
        blinkPasses = 0;
    } else {
        startTimer(TIMER_BLINK, BLINK_REST_MS);
    }
}

void stepStretch() {
    pose = 90;
    const Frame* frame = rowForPhase(stretchFrames, stretchPhase);
    if (frame == nullptr) {
        return;
    }
    if (frame->phase == 91) {
        startTimer(TIMER_STRETCH, STRETCH_MS);
    }
    applySpriteRegion(frame->bitmapId);
    subPose = frame->phase;
    stretchPhase = frame->next;
    // No blink afterwards: pose 90 with subPose 94 already paints the standing picture.
    if (frame->phase == 94) {
        stopTimer(TIMER_STRETCH);
    }
}

void stepPlayA() {
    pose = 60;
    const Frame* frame = rowForPhase(playAFrames, playAPhase);
    if (frame == nullptr) {
        return;
    }
    if (frame->phase == 61) {
        startTimer(TIMER_PLAY_A, PLAY_A_MS);
    }
    applySpriteRegion(frame->bitmapId);
    subPose = frame->phase;
    playAPhase = frame->next;
    if (frame->phase != 62) {
        return;
    }
    if (playAPass == 0) {
        playAPass = 1;
    } else {
        stepBlink();
        playAPass = 0;
        stopTimer(TIMER_PLAY_A);
        playAPhase = 61;
    }
}

void stepPlayB() {
    pose = 80;
    const BowFrame* found = rowForPhase(playBFrames, playBPhase);
    if (found == nullptr) {
        return;
    }
    const BowFrame& frame = *found;
    // Restarted also on the final step, which stops it again.
    if (frame.phase == 81) {
        startTimer(TIMER_PLAY_B, PLAY_B_MS);
    }
    applySpriteRegion(frame.bitmapId);
    subPose = frame.phase;
    if (frame.depthGoingOut == TURNING_POINT) {
        playBPhase = frame.phase - 1;
    } else if (playBDepth == frame.depthGoingOut) {
        playBDepth = frame.depthGoingOut + 1;
        playBPhase = frame.phase + 1;
    } else if (frame.phase == 81) {
        stopTimer(TIMER_PLAY_B);
        stepBlink();
        playBDepth = 0;
    } else {
        playBPhase = frame.phase - 1;
        playBDepth -= 1;
    }
}

void playOnDoubleClick() {
    const int32_t drawn = nextRandom();
    // Capped at 100 before adding, so no stored value can overflow.
    pet.happiness = std::min(pet.happiness, 99) + 1;
    if (drawn % 2 == 0) {
        stepPlayA();
    } else {
        stepPlayB();
    }
}
