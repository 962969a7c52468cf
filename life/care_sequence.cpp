// One step of a care activity's two-frame sequence.
#include "life/care_sequence.h"

#include "animation/pose_table.h"
#include "desktop/desktop.h"

void stepCareSequence(const CareSequence& sequence) {
    const bool secondFrame = sequence.phase == sequence.firstPhase + 1;
    if (sequence.phase != sequence.firstPhase && !secondFrame) {
        return;
    }
    const CareFrame& frame = sequence.frames[secondFrame ? 1 : 0];
    applySpriteRegion(frame.bitmapId);
    pose = frame.pose;
    startTimer(sequence.timerId, frame.holdMs);
    if (!secondFrame) {
        sequence.phase = sequence.firstPhase + 1;
        return;
    }
    sequence.phase = sequence.firstPhase;
    sequence.loops += 1;
    if (sequence.loops < sequence.loopsToEnd) {
        return;
    }
    // Phase and count are left ready for the next run before anything is booked.
    sequence.loops = 0;
    stopTimer(sequence.timerId);
    sequence.ending();
}
