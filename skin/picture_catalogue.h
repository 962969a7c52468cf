// The rabbit's 34 pictures as a picture set replaces them: the size each must keep and what
// each shows, activity by activity in the order they play.
#pragma once

#include "animation/sprite_ids.h"
#include "language/texts.h"

struct PictureSize {
    int width;
    int height;
};

struct CataloguedPicture {
    int id;
    PictureSize size;
    TextId shows;
};

// Every picture once: the pictures of one activity follow one another in the order they play.
extern const CataloguedPicture pictureCatalogue[SPRITE_COUNT];

// The built-in picture's size, which a set's picture must have so that every walk, wrap and
// outline rule counts with the same pixels; zero for an id that is no picture.
PictureSize builtInSize(int id);
bool hasBuiltInSize(int id, PictureSize size);
