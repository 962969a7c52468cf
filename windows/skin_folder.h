// The picture sets on disk: the folders in skins\ beside the program, and one set read into
// pictures for the sprite bank.
#pragma once

#include <string>
#include <vector>

#include "skin/set_problem.h"
#include "windows/sprite_bank.h"

// skins\ beside the save file, ending in a backslash; empty when there is no such place.
std::wstring skinsFolder();
// The names of the folders in skins\, UTF-8, sorted as Explorer sorts them by name; none
// without skins\.
std::vector<std::string> listSets();

struct LoadedSet {
    SpritePictures pictures = {}; // the caller's from here on
    SetProblem problem;           // when there is one, there are no pictures
};

// Reads the set in skins\<name>\: every picture file, in number order, checked (its file
// size, then its picture's size, then its pixels) and cut out by the background rule.
LoadedSet loadSet(const std::string& name);
