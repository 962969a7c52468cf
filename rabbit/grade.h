// The grade: how the rabbit has been raised, from its devil and angel points.
#pragma once

#include <cstdint>

struct Grade {
    const char* text; // UTF-8, in the language spoken now
    int bitmapId;
};

Grade gradeFor(int32_t devilPoints, int32_t angelPoints);

// Shell: fills gradeText and loads gradeBitmap for the status dialog.
void evaluateGrade();
