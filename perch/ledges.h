// The ledges of the desk: which edge holds the rabbit, where a fall lands, how fast it
// falls, and how a ride follows a window. Rabbit pixels throughout.
#pragma once

#include <cstdint>
#include <optional>

#include "perch/desk.h"

// The standing rabbit's outline: a window narrower than it, or without room for it above
// its top inside the work area, offers no ledge.
struct RabbitFigure {
    int32_t width;
    int32_t height;
};

// Where the rabbit is, as the ledges see it: the column of its middle and the row of its
// feet, the lowest row of its outline.
struct Footing {
    int32_t middle;
    int32_t feet;
};

// An edge the rabbit can stand on: a window's top, or the bottom of a monitor's work area.
struct Ledge {
    // FLOOR for a work area's bottom.
    uint64_t windowId;
    // The edge's row: standing, the rabbit's feet are on the row above it.
    int32_t top;
    // The window's frame, which a ride follows.
    ScreenRect frame;
};

constexpr uint64_t FLOOR = 0;

// The bottom of the work area of the rabbit's monitor: the one under its middle at its
// feet, else the one that shows most of it, else the nearest one.
Ledge floorOf(const Desk& desk, const RabbitFigure& figure, const Footing& at);

// The first ledge at or below the row under the feet that lies under the middle, on the
// rabbit's monitor: the top of a window nothing in front of it covers there, else the
// bottom of the work area. A rabbit already below the work area lands on its bottom too.
Ledge landingBelow(const Desk& desk, const RabbitFigure& figure, const Footing& at);

// The ledge right under the feet, none when the rabbit stands on nothing.
std::optional<Ledge> ledgeUnder(const Desk& desk, const RabbitFigure& figure, const Footing& at);

// How far a fall goes in its n-th frame (from 1): a little more each frame, so that at
// FALL_FRAME_MS a frame a fall from the top of a 1080-pixel screen takes about a second.
int32_t fallStep(int32_t frame);

// Where the middle goes when the window under the rabbit changes from `before` to `after`:
// the same place along its top edge, in proportion where it was resized.
int32_t middleAfterRide(const ScreenRect& before, const ScreenRect& after, int32_t middle);
