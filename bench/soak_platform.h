// Where the soak runs: the logic alone on the host, or under Windows drawing every
// frame on the real rabbit window and saving to the real file.
#pragma once

// Windows: makes the rabbit window as start-up does (its creation reads rabbit.dat
// beside the executable, so the soak runs in a folder without one).
void openSoakWindow();
void closeSoakWindow();
// Paints what the last step changed.
void showSoakFrame();

long residentKb();
// False where nothing is drawn.
bool countDrawingObjects(int& gdi, int& user);
