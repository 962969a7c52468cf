// Where each picture's outline lies within it, recorded as the shell cuts the outlines: the
// rabbit's feet and middle while it walks on windows.
#pragma once

#include <vector>

#include "animation/region_scan.h"

// The rectangles a scan gave for a picture, by their bounds; a picture without any outline
// counts as filled to its edges.
void recordOutline(int bitmapId, const std::vector<RegionRect>& rects, int width, int height);
// In the picture's own pixels, right and bottom just outside; until recorded, the standing
// picture's whole size.
RegionRect outlineBounds(int bitmapId);
