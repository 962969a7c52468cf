// Which pixels of a drawn picture are background, put in the form the rabbit's outline code
// reads: the built-in pictures' own, one key colour in the top-left pixel and the background.
#pragma once

#include <cstdint>
#include <vector>

// The built-in pictures' background, and a set's key wherever no pixel of its rabbit has it.
constexpr uint32_t PURE_GREEN = 0x00FF00;

// Decoded pixels, 0xAARRGGBB row by row from the top, as 0x00RRGGBB. Background is the
// top-left pixel's colour and, in a picture with an alpha channel, every pixel whose alpha is
// below 128; it all becomes one key colour that no other pixel has (the top-left pixel's own
// where that is opaque). Every other pixel keeps its colour, drawn opaque.
std::vector<uint32_t> keyedPixels(const std::vector<uint32_t>& decoded);
