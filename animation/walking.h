// Free activity: the four movements and the scheduler that picks the next one.
#pragma once

#include <cstdint>

extern int32_t walkLeftPhase;  // 1 ... 4
extern int32_t walkRightPhase; // 11 ... 14
extern int32_t diagLeftPhase;  // 1 or 2
extern int32_t diagRightPhase; // 1 or 2
extern int32_t diagLeftLoops;
extern int32_t diagRightLoops;
extern int32_t wanderTickCounter; // scheduler calls since the needs last changed

void resetWalking();

void wanderScheduler();
void stepWalkLeft();
void stepWalkRight();
void stepDiagLeft();
void stepDiagRight();
