// The rabbit drawn 1, 2 or 3 times as big, on top of the display's whole factor: each
// rabbit pixel a bigger block, its walks still in rabbit pixels, so its world shrinks.
// The size drawn is the one chosen where the main monitor offers it, else the smallest.
#pragma once

#include "preferences/size_rule.h"

// The size drawn now.
int rabbitSize();
// Whether the main monitor, as it is now, offers the size.
bool rabbitSizeOffered(int size);
// At creation, before the place is read: takes the size to draw for `chosen`.
void startAtSize(int chosen);
// Redraws the rabbit at the size to draw for `chosen` (after a choice or a display
// change), its feet where they were.
void drawRabbitAt(int chosen);

// The rabbit's place counted in the pixels of another size, and the place just read in
// another size's pixels counted again in those drawn: the standing rabbit's feet stay
// where they are, as near as the coarser grid allows.
RabbitPoint placeInPixelsOf(int size);
void placeFromPixelsOf(int size);
