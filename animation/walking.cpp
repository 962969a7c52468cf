// Free activity: the four movements share one step, each described by a row of data.
#include "animation/walking.h"

#include <algorithm>
#include <iterator>

#include "animation/perching.h"
#include "animation/phase_table.h"
#include "animation/pose_table.h"
#include "animation/sprite_ids.h"
#include "desktop/desktop.h"
#include "desktop/monitor_layout.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/wrap32.h"

// Each movement starts idle: its phase at its first step.
int32_t walkLeftPhase = 1;
int32_t walkRightPhase = 11;
int32_t diagLeftPhase = 1;
int32_t diagRightPhase = 1;
int32_t diagLeftLoops;
int32_t diagRightLoops;
int32_t wanderTickCounter;

namespace {
constexpr int SCHEDULER_CALLS_PER_NEEDS_CHANGE = 31;
constexpr int DIAGONAL_LOOPS = 3;
// Going left the rabbit may hang 39 pixels off its row's left edge before it wraps.
constexpr int32_t LEFT_WRAP_AT = -40;
// Walks leave subPose as it is.
constexpr int32_t KEEP_SUB_POSE = 0;

struct MovementFrame {
    int32_t phase;
    int bitmapId;
    int32_t pose;
    int32_t subPose;
    int32_t next;
};

struct Movement {
    int timerId;
    int intervalMs;
    int32_t dx;
    int32_t dy;
    // Coming back at the right edge, only this many pixels of the rabbit show.
    int32_t rightEdgeInset;
    int32_t* phase;
    // Completed loops, for the diagonals; a walk ends after one pass.
    int32_t* loops;
    int32_t lastPhase;
    const MovementFrame* frames;
    std::size_t frameCount;
};

// The right-walking pictures mirror the left-walking ones.
const MovementFrame walkRightFrames[] = {{11, 137, 11, KEEP_SUB_POSE, 12},
                                         {12, 138, 12, KEEP_SUB_POSE, 13},
                                         {13, 140, 13, KEEP_SUB_POSE, 14},
                                         {14, 138, 12, KEEP_SUB_POSE, 11}};
const MovementFrame walkLeftFrames[] = {{1, 136, 1, KEEP_SUB_POSE, 2},
                                        {2, 134, 2, KEEP_SUB_POSE, 3},
                                        {3, 135, 3, KEEP_SUB_POSE, 4},
                                        {4, 134, 2, KEEP_SUB_POSE, 1}};
const MovementFrame diagLeftFrames[] = {{1, 163, 100, 101, 2}, {2, 164, 100, 102, 1}};
const MovementFrame diagRightFrames[] = {{1, 165, 110, 111, 2}, {2, 166, 110, 112, 1}};

// In the order the scheduler picks them by nextRandom() % 4.
enum MovementIndex { WALK_RIGHT, WALK_LEFT, DIAG_LEFT, DIAG_RIGHT };

// timer, interval, dx, dy, inset, phase, loops, last phase, frames
const Movement movements[] = {
    {TIMER_WALK_RIGHT, 150, 10, 0, 0, &walkRightPhase, nullptr, 14, walkRightFrames,
     std::size(walkRightFrames)},
    {TIMER_WALK_LEFT, 150, -10, 0, 5, &walkLeftPhase, nullptr, 4, walkLeftFrames,
     std::size(walkLeftFrames)},
    {TIMER_DIAG_LEFT, 200, -9, 5, 7, &diagLeftPhase, &diagLeftLoops, 2, diagLeftFrames,
     std::size(diagLeftFrames)},
    {TIMER_DIAG_RIGHT, 200, 9, 5, 0, &diagRightPhase, &diagRightLoops, 2, diagRightFrames,
     std::size(diagRightFrames)},
};

// A right edge past 32 bits wraps below the left one and so shows on no monitor.
ScreenRect standingAt(int32_t x, int32_t y) {
    return {x, y, wrapAdd(x, STANDING_WIDTH), wrapAdd(y, STANDING_HEIGHT)};
}

// The wraps are not symmetric: going right the rabbit leaves its row of monitors whole
// and comes back whole at the row's left edge. The step down follows the column the step
// sideways has brought the rabbit to, so that coming back at the far end of a row never
// leaves it below that row, in a corner no monitor fills. Walking on windows, the feet
// decide the height: a movement down hops off its ledge once, at its first frame.
void moveWrapped(const Movement& movement, bool firstFrame) {
    const WalkLine row = walkRowOf(standingAt(posX, posY));
    const int32_t x = wrapAdd(posX, movement.dx);
    if (movement.dx < 0) {
        const bool offLeft = int64_t{x} <= int64_t{row.start} + LEFT_WRAP_AT;
        posX = offLeft ? row.end - movement.rightEdgeInset : x;
    } else {
        posX = x >= row.end ? row.start : x;
    }
    if (movement.dy != 0 && perching()) {
        if (firstFrame) {
            hopDown();
        }
    } else if (movement.dy != 0) {
        const WalkLine column = walkColumnOf(standingAt(posX, posY));
        const int32_t y = wrapAdd(posY, movement.dy);
        posY = y >= column.end ? column.start : y;
    }
}

void endMovement(const Movement& movement) {
    stopTimer(movement.timerId);
    startTimer(TIMER_WANDER, ANIM_FRAME_MS);
    activeAnimTimer = TIMER_WANDER;
}

bool atFirstFrame(const Movement& movement) {
    return *movement.phase == movement.frames[0].phase &&
           (movement.loops == nullptr || *movement.loops == 0);
}

void stepMovement(const Movement& movement) {
    moveWrapped(movement, atFirstFrame(movement));
    const MovementFrame* frame = rowForPhase(movement.frames, movement.frameCount, *movement.phase);
    if (frame == nullptr) {
        return;
    }
    applySpriteRegion(frame->bitmapId);
    pose = frame->pose;
    if (frame->subPose != KEEP_SUB_POSE) {
        subPose = frame->subPose;
    }
    *movement.phase = frame->next;
    if (frame->phase != movement.lastPhase) {
        return;
    }
    if (movement.loops == nullptr) {
        endMovement(movement);
    } else if (++*movement.loops == DIAGONAL_LOOPS) {
        endMovement(movement);
        *movement.loops = 0;
    }
}

void changeNeedsWhileWandering() {
    // Capped before adding, so no stored value can overflow.
    pet.happiness = std::min(pet.happiness, 95) + 5;
    pet.fatigue = std::min(pet.fatigue, 98) + 2;
    pet.stamina = std::max(pet.stamina, 1) - 1;
}
} // namespace

void resetWalking() {
    walkLeftPhase = 1;
    walkRightPhase = 11;
    diagLeftPhase = 1;
    diagRightPhase = 1;
    diagLeftLoops = 0;
    diagRightLoops = 0;
    wanderTickCounter = 0;
}

void wanderScheduler() {
    wanderTickCounter += 1;
    if (wanderTickCounter >= SCHEDULER_CALLS_PER_NEEDS_CHANGE) {
        changeNeedsWhileWandering();
        wanderTickCounter = 0;
    }
    const Movement& movement = movements[nextRandom() % 4];
    // The movement's first frame shows at once; if it was stopped on its last step,
    // that step ends it here and the timer below runs it again in full.
    stepMovement(movement);
    stopTimer(TIMER_WANDER);
    startTimer(movement.timerId, movement.intervalMs);
    activeAnimTimer = movement.timerId;
}

void stepWalkLeft() {
    stepMovement(movements[WALK_LEFT]);
}
void stepWalkRight() {
    stepMovement(movements[WALK_RIGHT]);
}
void stepDiagLeft() {
    stepMovement(movements[DIAG_LEFT]);
}
void stepDiagRight() {
    stepMovement(movements[DIAG_RIGHT]);
}
