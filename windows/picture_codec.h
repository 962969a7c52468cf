// PNG and BMP pictures through the Windows Imaging Component, part of Windows since Vista:
// decoded from a file's bytes and encoded into them. COM, and with it the component's DLLs,
// is loaded only by a session, the first time a set is read or the template written.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/picture_catalogue.h"

struct IWICImagingFactory;
struct IWICBitmapDecoder;

// Every decoder the program makes comes from here: the factory's CreateDecoder, for exactly
// one container and vendor, or a test's stand-in that sees which.
extern HRESULT (*createDecoder)(IWICImagingFactory* factory, const GUID& container,
                                const GUID& vendor, IWICBitmapDecoder** decoder);

enum class Decoding { DONE, NOT_A_PICTURE, WRONG_SIZE };

struct DecodedPicture {
    Decoding result = Decoding::NOT_A_PICTURE;
    PictureSize size = {0, 0};
    std::vector<uint32_t> pixels; // 0xAARRGGBB row by row from the top
};

// COM on the calling thread and the component's factory, for as long as the session lives.
class ImagingSession {
  public:
    ImagingSession();
    ~ImagingSession();
    ImagingSession(const ImagingSession&) = delete;
    ImagingSession& operator=(const ImagingSession&) = delete;

    // A PNG or BMP file, if `sizeAllowed` takes its size: asked before any pixel is decoded.
    // Only Microsoft's decoder of the format the file's signature names reads it, never a
    // codec another program installed.
    DecodedPicture decode(const std::string& file,
                          const std::function<bool(PictureSize)>& sizeAllowed) const;
    // 0x00RRGGBB pixels as a PNG file of 24-bit colour; empty when that fails.
    std::string encodePng(const std::vector<uint32_t>& pixels, PictureSize size) const;

  private:
    HRESULT apartment;
    IWICImagingFactory* factory = nullptr;
};
