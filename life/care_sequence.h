// The shape the care activities share: two frames alternating on the activity's own
// timer, the second counting a loop, and the activity's ending after the last loop.
#pragma once

#include <cstdint>

struct CareFrame {
    int32_t pose;
    int bitmapId;
    int32_t holdMs; // how long the frame stays up before the next step
};

struct CareSequence {
    int timerId;
    int32_t& phase; // firstPhase shows frames[0], firstPhase + 1 shows frames[1]
    int32_t& loops;
    int32_t firstPhase;
    CareFrame frames[2];
    int32_t loopsToEnd;
    void (*ending)(); // books the effect once the timer is stopped and the count reset
};

// One tick of the sequence; a phase of any other value does nothing.
void stepCareSequence(const CareSequence& sequence);
