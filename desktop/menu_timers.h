// Menu and timer helpers shared by the window procedure and the rabbit's activities.
#pragma once

// Popup positions 3 to 8 (status, eat and drink, labour, free activity, sleep, items).
enum CareMenuMode { CARE_MENU_ENABLED = 1, CARE_MENU_GREYED = 2 };

constexpr int COMMAND_FREE_ACTIVITY = 32780;

// Any mode other than the two does nothing.
void setCareMenuState(int mode);
// Kills timers 1000 to 14000; the life clock keeps running.
void stopAnimationTimers();
void leaveFreeMode();
