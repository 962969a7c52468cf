// The rabbit drawn 1, 2 or 3 times as big, on top of the display's whole factor: each
// rabbit pixel a bigger block, its walks still in rabbit pixels, so its world shrinks.
#pragma once

// The size now.
int rabbitSize();
// Whether the main monitor, as it is now, offers the size.
bool rabbitSizeOffered(int size);
// Redraws the rabbit at an offered size, its feet where they were, and remembers it in
// the settings file.
void setRabbitSize(int size);

// At creation: takes the remembered size where the main monitor offers it, else the
// smallest, and returns the screen pixels per rabbit pixel of the remembered one, in
// which the save file counts the rabbit's place.
int takeRememberedSize();
// After a display change: a size no longer offered gives way to the smallest, feet kept.
void keepSizeOffered();
