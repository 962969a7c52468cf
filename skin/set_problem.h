// What makes a picture set unusable, and the words that tell its user.
#pragma once

#include <string>

#include "skin/picture_catalogue.h"

enum class SetFault {
    NONE,
    NAME_NOT_PLAIN,
    NO_FOLDER,
    NO_PICTURES,
    TWO_FILES,
    TOO_LARGE,
    NOT_A_PICTURE,
    WRONG_SIZE,
};

// The first thing wrong with a set; a set with none can be used.
struct SetProblem {
    SetFault fault = SetFault::NONE;
    std::string file;           // as the folder names it
    std::string otherFile;      // TWO_FILES: the second file of the same picture
    PictureSize found = {0, 0}; // WRONG_SIZE: the file's size and the one it must have
    PictureSize wanted = {0, 0};
};

// The box's text for a set that cannot be used, in the language spoken now.
std::string describeProblem(const std::string& setName, const SetProblem& problem);
