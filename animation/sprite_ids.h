// The 34 sprite pictures and the orders in which the shell loads and outlines them.
#pragma once

constexpr int SPRITE_COUNT = 34;
constexpr int FIRST_SPRITE_ID = 133;
constexpr int LAST_SPRITE_ID = 166;
constexpr int STANDING_SPRITE = 146;
// The standing picture's size: the part of the rabbit that the walks keep on a monitor.
constexpr int STANDING_WIDTH = 60;
constexpr int STANDING_HEIGHT = 88;

constexpr int spriteLoadOrder[SPRITE_COUNT] = {146, 133, 163, 164, 165, 166, 136, 134, 135,
                                               137, 138, 140, 139, 141, 142, 143, 144, 145,
                                               147, 148, 149, 150, 151, 152, 153, 154, 161,
                                               156, 157, 158, 159, 155, 162, 160};

constexpr int regionBuildOrder[SPRITE_COUNT] = {146, 133, 136, 134, 135, 163, 164, 165, 166,
                                                137, 138, 140, 139, 141, 142, 143, 144, 145,
                                                147, 148, 149, 150, 151, 152, 153, 154, 161,
                                                156, 157, 158, 159, 155, 162, 160};
