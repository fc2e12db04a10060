#include "host/ground/win32/picture_decoder.h"

#include <wincodec.h>

#include <vector>

#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Held {
    T* p = nullptr;
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (p != nullptr) {
            p->Release();
        }
    }
    T** Out() { return &p; }
};

std::optional<RgbPicture> Decode(IWICImagingFactory* factory, const std::wstring& path,
                                 PictureSize need, PictureFit fit) {
    Held<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Out()))) {
        return std::nullopt;
    }
    Held<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder.p->GetFrame(0, frame.Out()))) {
        return std::nullopt;
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame.p->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kMaxPictureSide || height > kMaxPictureSide ||
        static_cast<unsigned long long>(width) * height > kMaxPicturePixels) {
        return std::nullopt;
    }
    const PictureSize worth =
        SizeWorthDecoding(static_cast<int>(width), static_cast<int>(height), need, fit);
    if (worth.width <= 0 || worth.height <= 0) {
        return std::nullopt;
    }
    IWICBitmapSource* source = frame.p;
    Held<IWICBitmapScaler> scaler;
    if (static_cast<UINT>(worth.width) < width || static_cast<UINT>(worth.height) < height) {
        if (FAILED(factory->CreateBitmapScaler(scaler.Out())) ||
            FAILED(scaler.p->Initialize(source, static_cast<UINT>(worth.width),
                                        static_cast<UINT>(worth.height),
                                        WICBitmapInterpolationModeFant))) {
            return std::nullopt;
        }
        source = scaler.p;
        width = static_cast<UINT>(worth.width);
        height = static_cast<UINT>(worth.height);
    }
    // 32-bit BGRA: Wine's converter refuses 24-bit BGR for a PNG.
    Held<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter.p->Initialize(source, GUID_WICPixelFormat32bppBGRA,
                                       WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom))) {
        return std::nullopt;
    }
    const UINT stride = width * 4;
    std::vector<BYTE> bgra(static_cast<std::size_t>(stride) * height);
    if (FAILED(converter.p->CopyPixels(nullptr, stride, static_cast<UINT>(bgra.size()),
                                       bgra.data()))) {
        return std::nullopt;
    }
    RgbPicture picture{static_cast<int>(width), static_cast<int>(height), {}};
    picture.pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0, o = 0; i < bgra.size(); i += 4, o += 3) {
        picture.pixels[o] = bgra[i + 2];
        picture.pixels[o + 1] = bgra[i + 1];
        picture.pixels[o + 2] = bgra[i];
    }
    return picture;
}

}  // namespace

std::optional<RgbPicture> DecodePictureFile(const std::string& path, PictureSize need,
                                            PictureFit fit) {
    if (path.empty()) {
        return std::nullopt;
    }
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::optional<RgbPicture> picture;
    {
        Held<IWICImagingFactory> factory;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(factory.Out())))) {
            picture = Decode(factory.p, Wide(path), need, fit);
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return picture;
}

}  // namespace altostrat
