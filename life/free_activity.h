// Free activity and the mouse: wandering on and off, and how presses and double-clicks
// interrupt it.
#pragma once

// Command 32780.
void toggleFreeActivity();

// Right press: the running movement stops while the menu is open.
void stopActiveAnimation();
// The tail of a left or right press: wandering resumes at the frame interval.
void rearmAfterMousePress();
// A double-click plays only when the rabbit is awake and not wandering.
void onDoubleClick();
