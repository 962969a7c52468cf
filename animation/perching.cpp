// Walking on windows: where the rabbit's feet are, what holds them, its rides and its falls.
#include "animation/perching.h"

#include <cstdint>
#include <optional>

#include "animation/picture_outlines.h"
#include "animation/pose_table.h"
#include "animation/sprite_ids.h"
#include "desktop/desktop.h"
#include "desktop/running_state.h"
#include "desktop/timers.h"
#include "perch/ledges.h"
#include "rabbit/wrap32.h"

namespace {
enum class Foothold { STANDING, FALLING, HELD };

bool on;
Foothold foothold = Foothold::STANDING;
// The row of the rabbit's feet, the lowest row of the outline of the picture it shows; it
// decides posY while perching.
int32_t feet;
// While standing: the ledge under the feet, with the window's frame as last read.
Ledge standingOn;
int32_t fallFrame;
Desk desk;

RegionRect shownOutline() {
    return outlineBounds(shownPicture());
}

RabbitFigure figure() {
    const RegionRect standing = outlineBounds(STANDING_SPRITE);
    return {standing.right - standing.left, standing.bottom - standing.top};
}

Footing footing() {
    const RegionRect outline = shownOutline();
    return {wrapAdd(posX, (outline.left + outline.right) / 2), feet};
}

void feetFromPlace() {
    feet = wrapAdd(posY, shownOutline().bottom - 1);
}

void placeByFeet() {
    posY = wrapSub(feet, shownOutline().bottom - 1);
}

// The paint moves the window; only a new place needs one.
void showWhereFeetAre(int32_t x, int32_t y) {
    placeByFeet();
    if (posX != x || posY != y) {
        redrawRabbit();
    }
}

void stand(const Ledge& ledge) {
    if (foothold == Foothold::FALLING) {
        stopTimer(TIMER_FALL);
    }
    foothold = Foothold::STANDING;
    standingOn = ledge;
    feet = ledge.top - 1;
}

void startFalling() {
    foothold = Foothold::FALLING;
    fallFrame = 0;
    startTimer(TIMER_FALL, FALL_FRAME_MS);
}

void standOrFall() {
    if (const std::optional<Ledge> under = ledgeUnder(desk, figure(), footing())) {
        stand(*under);
    } else {
        startFalling();
    }
}

// From wherever the rabbit was put: its feet where its picture has them, then a ledge or a fall.
void standOrFallFromPlace() {
    const int32_t x = posX;
    const int32_t y = posY;
    foothold = Foothold::STANDING;
    feetFromPlace();
    standOrFall();
    showWhereFeetAre(x, y);
}

const DeskWindow* windowStoodOn() {
    if (standingOn.windowId == FLOOR) {
        return nullptr;
    }
    for (const DeskWindow& window : desk.windows) {
        if (window.id == standingOn.windowId) {
            return &window;
        }
    }
    return nullptr;
}

// The window under the rabbit moved or changed its size: the rabbit goes along, at the same
// place on its top edge.
void ride() {
    const DeskWindow* window = windowStoodOn();
    if (window == nullptr || sameRect(window->frame, standingOn.frame)) {
        return;
    }
    const int32_t middle = footing().middle;
    posX = wrapAdd(posX, middleAfterRide(standingOn.frame, window->frame, middle) - middle);
    feet = window->frame.top - 1;
    standingOn.frame = window->frame;
}

// The ledge stood on before, as the desk has it now.
std::optional<Ledge> sameLedge() {
    if (standingOn.windowId == FLOOR) {
        return floorOf(desk, figure(), footing());
    }
    if (const DeskWindow* window = windowStoodOn()) {
        return Ledge{window->id, window->frame.top, window->frame};
    }
    return std::nullopt;
}
} // namespace

bool perching() {
    return on;
}

void startPerching(const Desk& read) {
    desk = read;
    on = true;
    standOrFallFromPlace();
}

void stopPerching() {
    if (on && foothold == Foothold::FALLING) {
        stopTimer(TIMER_FALL);
    }
    on = false;
    foothold = Foothold::STANDING;
}

void lookAtDesk(const Desk& read) {
    desk = read;
    if (!on || foothold != Foothold::STANDING) {
        return;
    }
    const int32_t x = posX;
    const int32_t y = posY;
    ride();
    standOrFall();
    showWhereFeetAre(x, y);
}

std::optional<Ledge> ledgeStoodOn() {
    if (on && foothold == Foothold::STANDING) {
        return standingOn;
    }
    return std::nullopt;
}

Footing rabbitFooting() {
    return footing();
}

void holdRabbit() {
    if (!on) {
        return;
    }
    if (foothold == Foothold::FALLING) {
        stopTimer(TIMER_FALL);
    }
    foothold = Foothold::HELD;
}

void letGoOfRabbit(const Desk& read) {
    desk = read;
    if (!on) {
        return;
    }
    standOrFallFromPlace();
}

void perchRescaled(const Desk& read) {
    desk = read;
    if (!on || foothold == Foothold::HELD) {
        return;
    }
    feetFromPlace();
    if (foothold == Foothold::STANDING) {
        // Counted again, the feet may have come a pixel off the edge they stand on.
        if (const std::optional<Ledge> same = sameLedge()) {
            feet = same->top - 1;
            standingOn = *same;
        }
        standOrFall();
    }
    placeByFeet();
}

void stepFall() {
    if (!on || foothold != Foothold::FALLING) {
        stopTimer(TIMER_FALL);
        return;
    }
    const int32_t x = posX;
    const int32_t y = posY;
    fallFrame += 1;
    const Ledge landing = landingBelow(desk, figure(), footing());
    const int64_t next = int64_t{feet} + fallStep(fallFrame);
    if (next >= int64_t{landing.top} - 1) {
        stand(landing);
    } else {
        feet = static_cast<int32_t>(next);
    }
    showWhereFeetAre(x, y);
}

void hopDown() {
    if (on && foothold == Foothold::STANDING && standingOn.windowId != FLOOR) {
        // One row down, the edge it stood on lies above its feet.
        feet += 1;
        startFalling();
    }
}

void keepFeetOnTheirRow() {
    if (on && foothold != Foothold::HELD) {
        placeByFeet();
    }
}

void resetPerching() {
    on = false;
    foothold = Foothold::STANDING;
    feet = 0;
    standingOn = Ledge{};
    fallFrame = 0;
    desk = Desk{};
}
