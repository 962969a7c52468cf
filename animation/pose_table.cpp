// The pose codes and the picture each one paints.
#include "animation/pose_table.h"

#include "animation/sprite_ids.h"

int32_t pose;
int32_t subPose;

namespace {
// Single-picture poses match whatever subPose holds.
constexpr int32_t ANY_SUB_POSE = -1;

struct PosePicture {
    int32_t pose;
    int32_t subPose;
    int bitmapId;
};

const PosePicture poseTable[] = {
    {0, ANY_SUB_POSE, 146},
    {51, ANY_SUB_POSE, 133},
    {1, ANY_SUB_POSE, 136},
    {2, ANY_SUB_POSE, 134},
    {3, ANY_SUB_POSE, 135},
    {11, ANY_SUB_POSE, 137},
    {12, ANY_SUB_POSE, 138},
    {13, ANY_SUB_POSE, 140},
    {21, ANY_SUB_POSE, 139},
    {22, ANY_SUB_POSE, 141},
    {31, ANY_SUB_POSE, 142},
    {32, ANY_SUB_POSE, 143},
    {41, ANY_SUB_POSE, 144},
    {42, ANY_SUB_POSE, 145},
    {60, 61, 147},
    {60, 62, 148},
    {60, 63, 149},
    {60, 64, 150},
    {60, 65, 151},
    {60, 66, 152},
    {71, ANY_SUB_POSE, 153},
    {72, ANY_SUB_POSE, 154},
    {80, 81, 161},
    {80, 82, 156},
    {80, 83, 157},
    {80, 84, 158},
    {80, 85, 159},
    // The stretch ends on the standing picture.
    {90, 91, 155},
    {90, 92, 162},
    {90, 93, 160},
    {90, 94, 146},
    {100, 101, 163},
    {100, 102, 164},
    {110, 111, 165},
    {110, 112, 166},
};
} // namespace

void resetPose() {
    pose = 0;
    subPose = 0;
}

int bitmapForPose(int32_t posePainted, int32_t subPosePainted) {
    for (const PosePicture& entry : poseTable) {
        if (entry.pose == posePainted &&
            (entry.subPose == ANY_SUB_POSE || entry.subPose == subPosePainted)) {
            return entry.bitmapId;
        }
    }
    return 0;
}

int shownPicture() {
    const int picture = bitmapForPose(pose, subPose);
    return picture != 0 ? picture : STANDING_SPRITE;
}
