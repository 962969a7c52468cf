// Walking on windows in the rabbit window: switched with the setting, and when the rabbit
// looks at the desk: after each of its own frames, when another window changes, and four
// times a second while nothing else has made it look. Off, it costs nothing.
#pragma once

#include <windows.h>

// What window events post to the rabbit window, and the timer of the quarter-second look.
constexpr UINT LOOK_AT_DESK_MESSAGE = WM_APP + 4;
constexpr UINT_PTR LOOK_AT_DESK_TIMER = 16000;

// On, the rabbit falls from where it is to the ledge below; off, it stays where it is.
void walkOnWindows(bool on);
// Reads the desk and hands it to the rabbit, which rides, stands or falls.
void lookAtDeskNow();
// The quarter-second look: the desk is read again only where the rabbit no longer stands as
// it stood.
void lookAgainIfChanged();
// The user has dropped the rabbit at posX, posY.
void letGoAfterDrag();
// The rabbit's place has just been counted in the pixels of a new scale.
void perchAtNewScale();
