// The save file "rabbit.dat" beside the executable (saveState is declared with the seam).
#pragma once

#include <string>

// The folder of the running executable followed by "\rabbit.dat"; built once at creation.
extern std::wstring saveFilePath;

// The running executable's full path; empty when it cannot be had.
std::wstring modulePath();

void buildSaveFilePath();
// A file or folder beside the save file, in the same form; empty when the save file has no
// folder.
std::wstring besideSaveFile(const std::wstring& name);
void loadState();
