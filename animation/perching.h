// Walking on windows: the rabbit stands on a ledge, a window's top or the bottom of the
// work area, falls when nothing holds it any more, and rides the window under it. Its feet
// decide its height; walks move it sideways only, and a step down hops to the next ledge.
#pragma once

#include <optional>

#include "perch/ledges.h"

bool perching();
// On, the rabbit falls from where it is to the ledge below; off, it stays where it is.
void startPerching(const Desk& desk);
void stopPerching();

// The desk read afresh: the rabbit rides the window under it, stays, or falls.
void lookAtDesk(const Desk& desk);
// While the user drags the rabbit it does not fall; let go, it falls from where it was
// dropped (posX, posY).
void holdRabbit();
void letGoOfRabbit(const Desk& desk);
// The rabbit's place was counted again in the pixels of another scale, and the desk read
// in them: it stands on the same ledge as before.
void perchRescaled(const Desk& desk);

// The ledge the rabbit stands on, none while it falls or is held; and where its middle and
// its feet are.
std::optional<Ledge> ledgeStoodOn();
Footing rabbitFooting();

// One frame of a fall (TIMER_FALL).
void stepFall();
// A walk's step down: off its ledge, to fall to the next one below; on the bottom of the
// work area it walks on.
void hopDown();
// Puts posY where the feet of the picture shown stand on their row, unless the user holds
// the rabbit; every paint calls it.
void keepFeetOnTheirRow();

void resetPerching();
