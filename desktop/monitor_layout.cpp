// Rows and columns of monitors, worked out from the layout the shell last read.
#include "desktop/monitor_layout.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "desktop/running_state.h"

namespace {
// The main screen stands for the layout until the shell has read the monitors.
const std::vector<ScreenRect>& layout() {
    static std::vector<ScreenRect> mainScreenOnly(1);
    if (!monitors.empty()) {
        return monitors;
    }
    mainScreenOnly[0] = {0, 0, screenWidth, screenHeight};
    return mainScreenOnly;
}

struct Extent {
    int low;
    int high;
};

// A monitor's extent along a row (left to right) or a column (top to bottom).
Extent along(const ScreenRect& m, bool row) {
    return row ? Extent{m.left, m.right} : Extent{m.top, m.bottom};
}

bool overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// How far below and to the right of the rabbit's top-left corner a monitor begins,
// compared row first. A monitor that shows the rabbit begins before the rabbit's far
// edges, so the differences stay small.
std::pair<int, int> offsetFrom(const ScreenRect& rabbit, const ScreenRect& m) {
    return {std::max(m.top, rabbit.top) - rabbit.top, std::max(m.left, rabbit.left) - rabbit.left};
}

const ScreenRect& rabbitsMonitor(const std::vector<ScreenRect>& all, const ScreenRect& rabbit) {
    const ScreenRect* best = &all.front();
    std::pair<int, int> bestOffset = {INT_MAX, INT_MAX};
    for (const ScreenRect& m : all) {
        if (overlap(m, rabbit) && offsetFrom(rabbit, m) < bestOffset) {
            best = &m;
            bestOffset = offsetFrom(rabbit, m);
        }
    }
    return *best;
}

// Adds to the line [low, high) the monitors that meet one of its ends and whose extent
// across it holds `crossing`, on and on outwards. Every addition moves an end outwards,
// so the loop ends.
void grow(const std::vector<ScreenRect>& all, bool row, int32_t crossing, int32_t& low,
          int32_t& high) {
    for (bool grew = true; grew;) {
        grew = false;
        for (const ScreenRect& m : all) {
            const Extent line = along(m, row);
            const Extent across = along(m, !row);
            if (line.low >= line.high || crossing < across.low || crossing >= across.high) {
                continue;
            }
            if (line.high == low) {
                low = line.low;
                grew = true;
            } else if (line.low == high) {
                high = line.high;
                grew = true;
            }
        }
    }
}

// The rabbit's monitor shows part of the rabbit, so the pixel row (or column) the line
// runs along lies within the rabbit as well as on every monitor of the line.
WalkLine lineOf(const ScreenRect& rabbit, bool row) {
    const std::vector<ScreenRect>& all = layout();
    const ScreenRect& home = rabbitsMonitor(all, rabbit);
    const Extent across = along(home, !row);
    const int32_t crossing =
        std::max(across.low, std::min(row ? rabbit.top : rabbit.left, across.high - 1));
    const Extent start = along(home, row);
    WalkLine line = {start.low, start.high};
    grow(all, row, crossing, line.start, line.end);
    return line;
}
} // namespace

WalkLine walkRowOf(const ScreenRect& rabbit) {
    return lineOf(rabbit, true);
}

WalkLine walkColumnOf(const ScreenRect& rabbit) {
    return lineOf(rabbit, false);
}

bool onAnyMonitor(const ScreenRect& area) {
    const std::vector<ScreenRect>& all = layout();
    return std::any_of(all.begin(), all.end(),
                       [&area](const ScreenRect& m) { return overlap(m, area); });
}
