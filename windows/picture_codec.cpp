// Decoding and encoding pictures with the Windows Imaging Component.
#include "windows/picture_codec.h"

#include <wincodec.h>

#include "skin/picture_format.h"
#include "skin/set_names.h"

namespace {
HRESULT factoryDecoder(IWICImagingFactory* factory, const GUID& container, const GUID& vendor,
                       IWICBitmapDecoder** decoder) {
    return factory->CreateDecoder(container, &vendor, decoder);
}

constexpr UINT BGRA_BYTES = 4;
constexpr UINT BGR_BYTES = 3;

// One reference to a COM object, released with the holder.
template <class Interface> class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (object != nullptr) {
            object->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* operator->() const { return object; }
    Interface* get() const { return object; }
    Interface** put() { return &object; }

  private:
    Interface* object = nullptr;
};

// 24-bit rows, each padded to whole 32-bit words as the component's bitmaps are.
std::vector<BYTE> bgrRows(const std::vector<uint32_t>& pixels, PictureSize size, UINT stride) {
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * static_cast<UINT>(size.height));
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const uint32_t pixel = pixels[static_cast<std::size_t>(y * size.width + x)];
            BYTE* out = &rows[static_cast<std::size_t>(y) * stride + BGR_BYTES * x];
            out[0] = static_cast<BYTE>(pixel);
            out[1] = static_cast<BYTE>(pixel >> 8);
            out[2] = static_cast<BYTE>(pixel >> 16);
        }
    }
    return rows;
}
} // namespace

HRESULT (*createDecoder)
(IWICImagingFactory*, const GUID&, const GUID&, IWICBitmapDecoder**) = factoryDecoder;

ImagingSession::ImagingSession()
    : apartment(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {
    // The first factory, which every Windows since Vista has; the second needs Windows 8.
    CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                     IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
}

ImagingSession::~ImagingSession() {
    if (factory != nullptr) {
        factory->Release();
    }
    // A thread that had COM in another mode keeps it as it was.
    if (SUCCEEDED(apartment)) {
        CoUninitialize();
    }
}

DecodedPicture ImagingSession::decode(const std::string& file,
                                      const std::function<bool(PictureSize)>& sizeAllowed) const {
    DecodedPicture picture;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    const PictureFormat format = pictureFormatOf(file);
    const GUID& container =
        format == PictureFormat::PNG ? GUID_ContainerFormatPng : GUID_ContainerFormatBmp;
    UINT width = 0;
    UINT height = 0;
    if (factory == nullptr || format == PictureFormat::NONE ||
        FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(file.data())),
                                            static_cast<DWORD>(file.size()))) ||
        FAILED(createDecoder(factory, container, GUID_VendorMicrosoft, decoder.put())) ||
        FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&width, &height))) {
        return picture;
    }
    picture.size = {static_cast<int>(width), static_cast<int>(height)};
    if (!sizeAllowed(picture.size)) {
        picture.result = Decoding::WRONG_SIZE;
        return picture;
    }
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->CopyPixels(nullptr, width * BGRA_BYTES,
                                     static_cast<UINT>(pixels.size()) * BGRA_BYTES,
                                     reinterpret_cast<BYTE*>(pixels.data())))) {
        return picture;
    }
    picture.result = Decoding::DONE;
    picture.pixels = std::move(pixels);
    return picture;
}

std::string ImagingSession::encodePng(const std::vector<uint32_t>& pixels, PictureSize size) const {
    const auto width = static_cast<UINT>(size.width);
    const auto height = static_cast<UINT>(size.height);
    const UINT stride = (width * BGR_BYTES + 3) / 4 * 4;
    std::vector<BYTE> rows = bgrRows(pixels, size, stride);
    std::vector<BYTE> file(LARGEST_PICTURE_BYTES);
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const LARGE_INTEGER here = {};
    ULARGE_INTEGER end = {};
    if (factory == nullptr || FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(file.data(), static_cast<DWORD>(file.size()))) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) ||
        FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.put(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) || FAILED(frame->SetSize(width, height)) ||
        FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR ||
        FAILED(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()) ||
        FAILED(stream->Seek(here, STREAM_SEEK_CUR, &end))) {
        return std::string();
    }
    return std::string(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end.QuadPart));
}
