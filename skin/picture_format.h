// What a picture file is, by its own first bytes rather than its name: only a file that says
// it is a PNG or a BMP ever reaches a decoder.
#pragma once

#include <string>

enum class PictureFormat { NONE, PNG, BMP };

PictureFormat pictureFormatOf(const std::string& bytes);
