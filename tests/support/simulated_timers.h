// Timers on a simulated clock, for the host tests and the soak: started and stopped as
// the platform's are, and fired in time order by whoever drives the clock.
#pragma once

#include <map>

struct SimulatedTimer {
    int interval;
    long long due;
    long long order; // start order breaks ties between timers due at the same moment
};

struct SimulatedTimers {
    long long now = 0;
    std::map<int, SimulatedTimer> timers;
    long long nextOrder = 0;

    // Starting a running timer only sets its interval afresh.
    void start(int timerId, int intervalMs) {
        timers[timerId] = SimulatedTimer{intervalMs, now + intervalMs, nextOrder++};
    }
    void stop(int timerId) { timers.erase(timerId); }

    // Moves the clock to the earliest timer due by `until` and re-arms that timer for its
    // next interval, so that the step it runs may start it anew; false when none is due.
    bool nextDue(long long until, int& timerId) {
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it) {
            if (next == timers.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order)) {
                next = it;
            }
        }
        if (next == timers.end() || next->second.due > until) {
            return false;
        }
        now = next->second.due;
        next->second.due = now + next->second.interval;
        timerId = next->first;
        return true;
    }
};
