// Whole-factor display scaling. The rabbit's world (its position, the screen size its
// walks wrap at, its steps) stays in its pictures' own pixels; the shell draws each of
// them as an s x s block of screen pixels, so the pixel art stays sharp at any scale.
#pragma once

// The DPI of a screen at 100 %, where one rabbit pixel is one screen pixel.
constexpr int BASE_DPI = 96;

// The whole factor nearest to dpi / 96, a half rounding up; never below 1.
int scaleForDpi(int dpi);

// A screen coordinate in rabbit pixels: the nearest one, a half rounding up, so a point
// off the s grid (where a drag dropped the rabbit) moves by at most half a rabbit pixel.
// Points left of or above the main monitor round the same way.
int rabbitPixelsOf(int screenPixels, int scale);

// A monitor's edge in rabbit pixels: rounded toward minus infinity, on both sides of 0.
int rabbitPixelsDown(int screenPixels, int scale);
