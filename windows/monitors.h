// The screen as the rabbit's logic sees it: the main monitor's size and every monitor,
// in rabbit pixels.
#pragma once

#include <windows.h>

#include <vector>

#include "perch/desk.h"

// Reads them into screenWidth, screenHeight and monitors; at start-up and after each
// display change.
void readMonitors();
// A rectangle of the screen in rabbit pixels, each edge rounded toward minus infinity.
ScreenRect inRabbitPixels(const RECT& edges);
// Every monitor with its work area as it is now, in rabbit pixels, the main one first.
std::vector<DeskMonitor> readMonitorAreas();
