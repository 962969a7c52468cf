// The desktop of the long soak, on a simulated clock: timers fire in time order through
// runTimerStep, and every modal box stays open a while with the clock running under
// it, as the real modal loops keep dispatching timers. Drawing and saving are the
// platform's (soak_platform.h).
#pragma once

#include <functional>
#include <map>
#include <string>

#include "tests/support/simulated_timers.h"

struct SoakDesktop : SimulatedTimers {
    bool menuEnabled[12] = {};
    std::string freeActivityText;

    // The user: how long the next box stays open, and the answer to a question.
    std::function<long long()> boxOpenMs;
    std::function<bool()> answerYes;
    // Runs after every timer step.
    std::function<void(int timerId)> afterStep;

    int stepTimer = 0; // the timer whose step is running, 0 between steps
    int boxDepth = 0;
    int maxBoxDepth = 0;
    int clockBoxDepth = 0; // boxes opened by the life clock's steps
    int maxClockBoxDepth = 0;
    std::map<std::string, long> reportsByCaption;
    long questions = 0;
    long unknownTimerStarts = 0;
    std::map<int, long long> stepsByTimer;

    // Fires every timer due up to `until`, in time order, then sets the clock there.
    void runUntil(long long until);
};

extern SoakDesktop soak;
