// The save file "rabbit.dat" beside the executable (saveState is declared with the seam).
#pragma once

#include <string>

// The folder of the running executable followed by "\rabbit.dat"; built once at creation.
extern std::wstring saveFilePath;

void buildSaveFilePath();
void loadState();
