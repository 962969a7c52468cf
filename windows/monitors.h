// The screen as the rabbit's logic sees it: the main monitor's size and every monitor,
// in rabbit pixels.
#pragma once

// Reads them into screenWidth, screenHeight and monitors; at start-up and after each
// display change.
void readMonitors();
