// A recording desktop for the host tests: a fake clock that fires timers in order,
// and logs of regions, reports, menu changes and saves.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "save/save_image.h"
#include "tests/support/simulated_timers.h"

struct FakeReport {
    long long time;
    std::string text;
    std::string caption;
};

struct FakeFrame {
    long long time;
    int bitmapId; // the region handed to the window
};

struct FakeDesktop : SimulatedTimers {
    std::vector<FakeFrame> regions;
    std::vector<FakeReport> reports;
    std::vector<std::string> questions;
    std::vector<SaveImage> saves;
    bool menuEnabled[12] = {};
    std::map<int, std::string> menuTexts;
    // Answer to the next yes/no questions; true means Yes.
    bool answerYes = true;
    // Runs while a report is open, like the timers under a real modal box.
    std::function<void(const FakeReport&)> whileReportOpen;
    // Every timer start and stop, in order: positive id for a start, negative for a stop.
    std::vector<std::pair<long long, int>> timerLog;

    bool running(int timerId) const { return timers.count(timerId) != 0; }
    int interval(int timerId) const;
    // Fires every timer that falls due within the next `ms` milliseconds, in time order.
    void advance(long long ms);
    // Pictures handed to the window since index `from`.
    std::vector<int> regionIds(std::size_t from = 0) const;
    // Paints asked for without a new picture.
    int redraws = 0;
};

extern FakeDesktop desktop;

// Puts every subsystem and the fake into their start-up state.
void resetEverything();

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override { resetEverything(); }
};

// An 800 x 600 screen with the rabbit standing at (300, 200), away from every edge.
class OnScreenTest : public CoreTest {
  protected:
    void SetUp() override;
};
