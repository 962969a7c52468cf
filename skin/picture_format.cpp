// The two signatures a set's pictures may begin with.
#include "skin/picture_format.h"

namespace {
const std::string PNG_SIGNATURE("\x89PNG\r\n\x1a\n", 8);
const std::string BMP_SIGNATURE("BM", 2);
} // namespace

PictureFormat pictureFormatOf(const std::string& bytes) {
    if (bytes.compare(0, PNG_SIGNATURE.size(), PNG_SIGNATURE) == 0) {
        return PictureFormat::PNG;
    }
    if (bytes.compare(0, BMP_SIGNATURE.size(), BMP_SIGNATURE) == 0) {
        return PictureFormat::BMP;
    }
    return PictureFormat::NONE;
}
