// Runs one step of the sequence that owns a timer.
#pragma once

// Returns false for ids without a handler, which are ignored.
bool runTimerStep(int timerId);
