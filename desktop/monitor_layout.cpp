// Rows and columns of monitors, worked out from the layout the shell last read.
#include "desktop/monitor_layout.h"

#include <algorithm>
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

// Wide enough for a point anywhere in 32 bits, and its square too.
uint64_t distanceOutside(int64_t point, Extent extent) {
    if (point < extent.low) {
        return static_cast<uint64_t>(extent.low - point);
    }
    return point >= extent.high ? static_cast<uint64_t>(point - extent.high + 1) : 0;
}

// The monitor a row or column starts from: the one that holds the point; else, of those
// whose extent across the line holds it, the nearest along the line; else the nearest
// of all. A rabbit hanging off a monitor beside a shorter one thus stays in the row it
// walks in, rather than joining the shorter one's row below that one's bottom.
const ScreenRect& lineStart(const std::vector<ScreenRect>& all, bool row, int32_t x, int32_t y) {
    const int32_t onLine = row ? x : y;
    const int32_t crossing = row ? y : x;
    const ScreenRect* best = &all.front();
    bool bestCrosses = false;
    uint64_t bestDistance = UINT64_MAX;
    for (const ScreenRect& m : all) {
        const uint64_t alongLine = distanceOutside(onLine, along(m, row));
        const uint64_t acrossLine = distanceOutside(crossing, along(m, !row));
        const bool crosses = acrossLine == 0;
        const uint64_t distance =
            crosses ? alongLine : alongLine * alongLine + acrossLine * acrossLine;
        if ((crosses && !bestCrosses) || (crosses == bestCrosses && distance < bestDistance)) {
            best = &m;
            bestCrosses = crosses;
            bestDistance = distance;
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
} // namespace

WalkBounds walkBoundsAt(int32_t x, int32_t y) {
    const std::vector<ScreenRect>& all = layout();
    const ScreenRect& rowStart = lineStart(all, true, x, y);
    const ScreenRect& columnStart = lineStart(all, false, x, y);
    WalkBounds bounds = {rowStart.left, rowStart.right, columnStart.top, columnStart.bottom};
    grow(all, true, y, bounds.rowLeft, bounds.rowRight);
    grow(all, false, x, bounds.colTop, bounds.colBottom);
    return bounds;
}

bool onAnyMonitor(const ScreenRect& area) {
    const std::vector<ScreenRect>& all = layout();
    return std::any_of(all.begin(), all.end(), [&area](const ScreenRect& m) {
        return m.left < area.right && area.left < m.right && m.top < area.bottom &&
               area.top < m.bottom;
    });
}
