// The animations the rabbit plays in place: blink, stretch and the two play sequences.
// Each step is run by its timer and, to start the sequence, by a direct call.
#pragma once

#include <cstdint>

// Phases persist when a sequence is interrupted; their start values mean idle.
extern int32_t blinkPhase;  // 1 shows the wide-eyed picture, 2 returns to standing
extern int32_t blinkPasses; // returns to standing in the current blink
extern int32_t playAPhase;  // 61 ... 66
extern int32_t playAPass;   // 0 on the first pass, 1 on the second
extern int32_t playBPhase;  // 81 ... 85
extern int32_t playBDepth;  // how far the second play has gone out, 0 ... 4
extern int32_t stretchPhase; // 91 ... 94

void resetIdleAnimations();

void stepBlink();
void stepStretch();
void stepPlayA();
void stepPlayB();
void playOnDoubleClick();
