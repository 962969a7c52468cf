// One rabbit per folder: a second start from the folder of a running rabbit shows that
// rabbit and ends, so that two never save over each other's rabbit.dat and varnok.ini.
// Rabbits in other folders, with files of their own, run side by side.
#pragma once

#include <string>

// The name this folder's rabbit is known by, the same whichever path reaches the folder
// and in whatever case: its claim on the folder and its hidden window's title.
const std::wstring& folderClaimName();
// Claims the folder for this start, until the program ends; true when no other rabbit
// runs here. False once another one, found running here, was asked to show itself.
bool claimRabbitFolder();
