// Which picture a pose code paints.
#pragma once

#include <cstdint>

// The picture selector; subPose matters only for the groups 60, 80, 90, 100 and 110.
extern int32_t pose;
extern int32_t subPose;

void resetPose();

// The bitmap resource to paint, or 0 when the pose draws nothing.
int bitmapForPose(int32_t pose, int32_t subPose);
// The picture the window shows now: that of the pose, or standing for a pose without one.
int shownPicture();
