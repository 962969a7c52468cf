// Which picture every pose code paints.
#include "fake_desktop.h"

#include "animation/pose_table.h"

using PoseTableTest = CoreTest;

TEST_F(PoseTableTest, SinglePicturePosesIgnoreSubPose) {
    const struct {
        int32_t pose;
        int bitmapId;
    } singles[] = {{0, 146},  {1, 136},  {2, 134},  {3, 135},  {11, 137}, {12, 138},
                   {13, 140}, {21, 139}, {22, 141}, {31, 142}, {32, 143}, {41, 144},
                   {42, 145}, {51, 133}, {71, 153}, {72, 154}};
    for (const auto& single : singles) {
        for (int32_t sub : {0, 1, 61, 94, 112, -1, 100000}) {
            EXPECT_EQ(bitmapForPose(single.pose, sub), single.bitmapId)
                << single.pose << "/" << sub;
        }
    }
}

TEST_F(PoseTableTest, GroupPosesPaintTheirListedFrames) {
    const struct {
        int32_t pose;
        int32_t subPose;
        int bitmapId;
    } frames[] = {{60, 61, 147},   {60, 62, 148},   {60, 63, 149},   {60, 64, 150},  {60, 65, 151},
                  {60, 66, 152},   {80, 81, 161},   {80, 82, 156},   {80, 83, 157},  {80, 84, 158},
                  {80, 85, 159},   {90, 91, 155},   {90, 92, 162},   {90, 93, 160},  {90, 94, 146},
                  {100, 101, 163}, {100, 102, 164}, {110, 111, 165}, {110, 112, 166}};
    for (const auto& frame : frames) {
        EXPECT_EQ(bitmapForPose(frame.pose, frame.subPose), frame.bitmapId)
            << frame.pose << "/" << frame.subPose;
    }
}

TEST_F(PoseTableTest, ForeignSubPosesAndUnknownCodesPaintNothing) {
    EXPECT_EQ(bitmapForPose(80, 101), 0);
    EXPECT_EQ(bitmapForPose(60, 0), 0);
    EXPECT_EQ(bitmapForPose(60, 67), 0);
    EXPECT_EQ(bitmapForPose(90, 95), 0);
    EXPECT_EQ(bitmapForPose(100, 111), 0);
    EXPECT_EQ(bitmapForPose(110, 0), 0);
    for (int32_t code : {94, 4, 14, 50, 52, 61, 81, 101, 111, -1, 1000}) {
        EXPECT_EQ(bitmapForPose(code, 0), 0) << code;
        EXPECT_EQ(bitmapForPose(code, code), 0) << code;
    }
}

TEST_F(PoseTableTest, StartsStanding) {
    pose = 72;
    subPose = 5;
    resetPose();
    EXPECT_EQ(bitmapForPose(pose, subPose), 146);
}
