// The ledge rule over the windows in z-order and the monitors' work areas.
#include "perch/ledges.h"

#include <algorithm>
#include <cstdlib>

#include "desktop/running_state.h"

namespace {
// Falling, the rabbit gains this many pixels of speed every frame.
constexpr int32_t GRAVITY = 2;

bool holds(const ScreenRect& area, int64_t x, int64_t y) {
    return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

int64_t overlapArea(const ScreenRect& a, const ScreenRect& b) {
    const int64_t width = int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const int64_t height = int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// How far a point lies outside an area, along both axes together.
int64_t distance(const ScreenRect& area, int64_t x, int64_t y) {
    const int64_t dx = x < area.left ? area.left - x : x >= area.right ? x - area.right + 1 : 0;
    const int64_t dy = y < area.top ? area.top - y : y >= area.bottom ? y - area.bottom + 1 : 0;
    return dx + dy;
}

ScreenRect rabbitAt(const RabbitFigure& figure, const Footing& at) {
    const int64_t left = int64_t{at.middle} - figure.width / 2;
    const int64_t bottom = int64_t{at.feet} + 1;
    return {static_cast<int>(left), static_cast<int>(bottom - figure.height),
            static_cast<int>(left + figure.width), static_cast<int>(bottom)};
}

DeskMonitor rabbitsMonitor(const Desk& desk, const RabbitFigure& figure, const Footing& at) {
    if (desk.monitors.empty()) {
        const ScreenRect screen = {0, 0, screenWidth, screenHeight};
        return {screen, screen};
    }
    for (const DeskMonitor& monitor : desk.monitors) {
        if (holds(monitor.area, at.middle, at.feet)) {
            return monitor;
        }
    }
    const ScreenRect rabbit = rabbitAt(figure, at);
    const auto most =
        std::max_element(desk.monitors.begin(), desk.monitors.end(),
                         [&](const DeskMonitor& a, const DeskMonitor& b) {
                             return overlapArea(a.area, rabbit) < overlapArea(b.area, rabbit);
                         });
    if (overlapArea(most->area, rabbit) > 0) {
        return *most;
    }
    return *std::min_element(desk.monitors.begin(), desk.monitors.end(),
                             [&](const DeskMonitor& a, const DeskMonitor& b) {
                                 return distance(a.area, at.middle, at.feet) <
                                        distance(b.area, at.middle, at.feet);
                             });
}

Ledge bottomOf(const DeskMonitor& monitor) {
    return {FLOOR, monitor.work.bottom, monitor.work};
}

bool coveredInFront(const Desk& desk, std::size_t index, int32_t x, int32_t y) {
    return std::any_of(desk.windows.begin(), desk.windows.begin() + static_cast<long>(index),
                       [&](const DeskWindow& front) { return holds(front.frame, x, y); });
}

// A window's top holds the rabbit's middle where the user sees that edge, on the rabbit's
// monitor, with room for the whole rabbit above it. (Below the work area's bottom, the
// bottom is nearer.)
bool offersLedgeAt(const Desk& desk, std::size_t index, const RabbitFigure& figure,
                   const DeskMonitor& monitor, int32_t middle) {
    const DeskWindow& window = desk.windows[index];
    const ScreenRect& frame = window.frame;
    const ScreenRect& work = monitor.work;
    return window.offersLedge && int64_t{frame.right} - frame.left >= figure.width &&
           middle >= frame.left && middle < frame.right && middle >= work.left &&
           middle < work.right && int64_t{frame.top} - figure.height >= work.top &&
           !coveredInFront(desk, index, middle, frame.top);
}
} // namespace

Ledge floorOf(const Desk& desk, const RabbitFigure& figure, const Footing& at) {
    return bottomOf(rabbitsMonitor(desk, figure, at));
}

Ledge landingBelow(const Desk& desk, const RabbitFigure& figure, const Footing& at) {
    const DeskMonitor monitor = rabbitsMonitor(desk, figure, at);
    Ledge landing = bottomOf(monitor);
    for (std::size_t i = 0; i < desk.windows.size(); ++i) {
        const ScreenRect& frame = desk.windows[i].frame;
        if (frame.top > at.feet && frame.top < landing.top &&
            offersLedgeAt(desk, i, figure, monitor, at.middle)) {
            landing = {desk.windows[i].id, frame.top, frame};
        }
    }
    return landing;
}

std::optional<Ledge> ledgeUnder(const Desk& desk, const RabbitFigure& figure, const Footing& at) {
    const Ledge landing = landingBelow(desk, figure, at);
    if (int64_t{landing.top} == int64_t{at.feet} + 1) {
        return landing;
    }
    return std::nullopt;
}

int32_t fallStep(int32_t frame) {
    return GRAVITY * frame;
}

int32_t middleAfterRide(const ScreenRect& before, const ScreenRect& after, int32_t middle) {
    const int64_t widthBefore = int64_t{before.right} - before.left;
    const int64_t widthAfter = int64_t{after.right} - after.left;
    const int64_t along = int64_t{middle} - before.left;
    if (widthBefore <= 0) {
        return static_cast<int32_t>(after.left + along);
    }
    return static_cast<int32_t>(after.left + along * widthAfter / widthBefore);
}
