// The desktop as the rabbit's logic sees it. The Win32 shell implements these
// with the real calls; the host tests link a recording fake instead.
#pragma once

#include <cstddef>
#include <string>

#include "language/texts.h"

// Starting a timer that already runs only resets its interval.
void startTimer(int timerId, int intervalMs);
void stopTimer(int timerId);

// Gives the window a fresh copy of the sprite's master region and invalidates it;
// the paint that follows draws whatever pose/subPose then hold.
void applySpriteRegion(int bitmapId);

// Has the window painted again with its picture, which puts it at posX/posY.
void redrawRabbit();

// Modal boxes owned by the rabbit window. Texts are UTF-8.
void showReport(const std::string& text, const std::string& caption);
bool askYesNo(const std::string& text, const std::string& caption);

// The popup menu: enable or grey an item by position, retitle an item by command; a
// retitled item keeps its new title, in the language spoken, when the language changes.
void enableMenuPosition(int position, bool enabled);
void setMenuItemText(int commandId, TextId text);

// Writes the whole state to the save file, reporting failures itself.
void saveState();

// The save file keeps the name as code page 950 bytes; the logic speaks UTF-8.
std::string big5ToUtf8(const char* bytes, std::size_t length);
// A text that code page 950 can hold, as its bytes.
std::string utf8ToBig5(const std::string& text);
