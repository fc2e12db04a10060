#include "host/ground/win32/picture_decoder.h"

#include <wincodec.h>

#include <vector>

#include "common/file_bytes.h"
#include "host/ground/picture_budget.h"

namespace altostrat {
namespace {

// Windows' interface for a decoder that scales, flips or converts while it decodes
// (IWICBitmapSourceTransform, which MinGW's headers lack), declared under a name of its own with
// the same methods in the same order and Windows' identifier, so that it compiles beside either
// set of headers.
struct DecodingTransform : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* rect, UINT width, UINT height,
                                                 WICPixelFormatGUID* format,
                                                 WICBitmapTransformOptions transform, UINT stride,
                                                 UINT size, BYTE* pixels) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* width, UINT* height) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* format) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transform,
                                                           BOOL* supported) = 0;
};
constexpr IID kDecodingTransformId = {
    0x3B16811B, 0x6A43, 0x4EC9, {0xB7, 0x13, 0x3D, 0x5A, 0x0C, 0x13, 0xB9, 0x40}};

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

// Bytes a pixel of FORMAT takes; four when WIC cannot tell.
int BytesPerPixel(IWICImagingFactory* factory, const WICPixelFormatGUID& format) {
    Held<IWICComponentInfo> component;
    Held<IWICPixelFormatInfo> info;
    UINT bits = 0;
    if (FAILED(factory->CreateComponentInfo(format, component.Out())) ||
        FAILED(component.p->QueryInterface(IID_PPV_ARGS(info.Out()))) ||
        FAILED(info.p->GetBitsPerPixel(&bits)) || bits == 0) {
        return 4;
    }
    return static_cast<int>((bits + 7) / 8);
}

UINT Divided(UINT size, int by) {
    return (size + static_cast<UINT>(by) - 1) / static_cast<UINT>(by);
}

// Whether TRANSFORM (may be null) makes the frame of WIDTH x HEIGHT an eighth as large while it
// decodes, as Windows' JPEG decoder does.
bool Reduces(DecodingTransform* transform, UINT width, UINT height) {
    UINT w = Divided(width, 8);
    UINT h = Divided(height, 8);
    return transform != nullptr && SUCCEEDED(transform->GetClosestSize(&w, &h)) &&
           w <= Divided(width, 8) && h <= Divided(height, 8);
}

// The frame decoded by TRANSFORM at about 1/BY of its size (at least WORTH) into a bitmap of
// its own; false when the decoder gives another size or fails.
bool DecodeReduced(IWICImagingFactory* factory, DecodingTransform* transform, UINT width,
                   UINT height, int by, PictureSize worth, Held<IWICBitmap>& out) {
    const UINT most_width = Divided(width, by);
    const UINT most_height = Divided(height, by);
    UINT w = most_width;
    UINT h = most_height;
    const HRESULT closest = transform->GetClosestSize(&w, &h);
    if (FAILED(closest) || w > most_width || h > most_height ||
        w < static_cast<UINT>(worth.width) || h < static_cast<UINT>(worth.height)) {
        return false;
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(transform->GetClosestPixelFormat(&format)) ||
        FAILED(factory->CreateBitmap(w, h, format, WICBitmapCacheOnLoad, out.Out()))) {
        return false;
    }
    Held<IWICBitmapLock> lock;
    UINT stride = 0;
    UINT size = 0;
    BYTE* pixels = nullptr;
    return SUCCEEDED(out.p->Lock(nullptr, WICBitmapLockWrite, lock.Out())) &&
           SUCCEEDED(lock.p->GetStride(&stride)) &&
           SUCCEEDED(lock.p->GetDataPointer(&size, &pixels)) &&
           SUCCEEDED(transform->CopyPixels(nullptr, w, h, &format, WICBitmapTransformRotate0,
                                           stride, size, pixels));
}

std::optional<RgbPicture> Decode(IWICImagingFactory* factory, const FileReadResult& file,
                                 PictureSize need, PictureFit fit) {
    // Weighed before any decoder sees the file: Wine's make the whole frame at once.
    const PictureHeader header = ReadPictureHeader(file.data.get(), file.size);
    if (header.format != PictureFormat::kOther &&
        !PlanPictureDecode({header.width, header.height}, header.bytes_per_pixel, header,
                           SizeWorthDecoding(header.width, header.height, need, fit),
                           header.format == PictureFormat::kJpeg)
             .decode) {
        return std::nullopt;
    }
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    if (FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream.p->InitializeFromMemory(file.data.get(), static_cast<DWORD>(file.size))) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.Out())) ||
        FAILED(decoder.p->GetFrame(0, frame.Out()))) {
        return std::nullopt;
    }
    UINT width = 0;
    UINT height = 0;
    WICPixelFormatGUID format{};
    if (FAILED(frame.p->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kMaxPictureSide || height > kMaxPictureSide ||
        FAILED(frame.p->GetPixelFormat(&format))) {
        return std::nullopt;
    }
    const PictureSize worth =
        SizeWorthDecoding(static_cast<int>(width), static_cast<int>(height), need, fit);
    if (worth.width <= 0 || worth.height <= 0) {
        return std::nullopt;
    }
    Held<DecodingTransform> transform;
    if (FAILED(frame.p->QueryInterface(kDecodingTransformId,
                                       reinterpret_cast<void**>(transform.Out())))) {
        transform.p = nullptr;
    }
    const PictureSize frame_size{static_cast<int>(width), static_cast<int>(height)};
    const int bytes_per_pixel = BytesPerPixel(factory, format);
    DecodePlan plan = PlanPictureDecode(frame_size, bytes_per_pixel, header, worth,
                                        Reduces(transform.p, width, height));
    IWICBitmapSource* source = frame.p;
    Held<IWICBitmap> reduced;
    if (plan.decode && plan.reduction > 1) {
        if (DecodeReduced(factory, transform.p, width, height, plan.reduction, worth, reduced)) {
            source = reduced.p;
            if (FAILED(reduced.p->GetSize(&width, &height))) {
                return std::nullopt;
            }
        } else {
            plan = PlanPictureDecode(frame_size, bytes_per_pixel, header, worth, false);
        }
    }
    if (!plan.decode) {
        return std::nullopt;
    }
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
    // Four bytes in, three out: blue-green-red-alpha into red-green-blue.
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
    const FileReadResult file = ReadWholeFile(path, kMaxPictureFileBytes);
    if (file.status != FileReadStatus::kRead || file.size == 0) {
        return std::nullopt;
    }
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::optional<RgbPicture> picture;
    {
        Held<IWICImagingFactory> factory;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(factory.Out())))) {
            picture = Decode(factory.p, file, need, fit);
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return picture;
}

}  // namespace altostrat
