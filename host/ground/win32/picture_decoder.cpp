#include "host/ground/win32/picture_decoder.h"

#include <wincodec.h>

#include <vector>

#include "common/file_bytes.h"
#include "common/picture_limits.h"
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

// What a picture goes through on its way out of WIC, from the file's stream to 32-bit pixels.
// Each stage pulls its pixels from the one before only when the last is copied out, so all of
// them live until then.
struct DecodeStages {
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<DecodingTransform> transform;  // null where the decoder cannot reduce or convert
    Held<IWICBitmap> reduced;
    Held<IWICBitmapScaler> scaler;
    Held<IWICFormatConverter> converter;
    IWICBitmapSource* last = nullptr;  // the latest stage
    UINT width = 0;                    // of what the latest stage gives
    UINT height = 0;
};

// The file's own header weighed before any decoder sees the file, as Wine's make the whole frame
// at once; nothing when it claims more than the budget allows.
std::optional<PictureHeader> WeighHeader(const FileReadResult& file, PictureSize need,
                                         PictureFit fit) {
    const PictureHeader header = ReadPictureHeader(file.data.get(), file.size);
    if (header.format != PictureFormat::kOther &&
        !PlanPictureDecode({header.width, header.height}, header.bytes_per_pixel, header,
                           SizeWorthDecoding(header.width, header.height, need, fit),
                           header.format == PictureFormat::kJpeg)
             .decode) {
        return std::nullopt;
    }
    return header;
}

// The file's first frame as the latest stage, and its pixel format in FORMAT; false when WIC
// knows no such picture, or it is empty or larger than kMaxPictureSide.
bool OpenFirstFrame(IWICImagingFactory* factory, const FileReadResult& file, DecodeStages& stages,
                    WICPixelFormatGUID& format) {
    if (FAILED(factory->CreateStream(stages.stream.Out())) ||
        FAILED(stages.stream.p->InitializeFromMemory(file.data.get(),
                                                     static_cast<DWORD>(file.size))) ||
        FAILED(factory->CreateDecoderFromStream(
            stages.stream.p, nullptr, WICDecodeMetadataCacheOnDemand, stages.decoder.Out())) ||
        FAILED(stages.decoder.p->GetFrame(0, stages.frame.Out())) ||
        FAILED(stages.frame.p->GetSize(&stages.width, &stages.height)) || stages.width == 0 ||
        stages.height == 0 || stages.width > kMaxPictureSide || stages.height > kMaxPictureSide ||
        FAILED(stages.frame.p->GetPixelFormat(&format))) {
        return false;
    }
    stages.last = stages.frame.p;
    return true;
}

// The frame weighed again at the size the decoder really makes it, reduced while it decodes
// where the plan says so and the decoder gives that size, else weighed at its full size; false
// when it costs more than the budget allows.
bool PlanFrame(IWICImagingFactory* factory, const PictureHeader& header,
               const WICPixelFormatGUID& format, PictureSize worth, DecodeStages& stages) {
    if (FAILED(stages.frame.p->QueryInterface(kDecodingTransformId,
                                              reinterpret_cast<void**>(stages.transform.Out())))) {
        stages.transform.p = nullptr;
    }
    const PictureSize frame_size{static_cast<int>(stages.width), static_cast<int>(stages.height)};
    const int bytes_per_pixel = BytesPerPixel(factory, format);
    DecodePlan plan = PlanPictureDecode(frame_size, bytes_per_pixel, header, worth,
                                        Reduces(stages.transform.p, stages.width, stages.height));
    if (plan.decode && plan.reduction > 1) {
        if (DecodeReduced(factory, stages.transform.p, stages.width, stages.height, plan.reduction,
                          worth, stages.reduced)) {
            stages.last = stages.reduced.p;
            return SUCCEEDED(stages.reduced.p->GetSize(&stages.width, &stages.height));
        }
        plan = PlanPictureDecode(frame_size, bytes_per_pixel, header, worth, false);
    }
    return plan.decode;
}

// The latest stage scaled down to WORTH where it is larger.
bool ScaleDown(IWICImagingFactory* factory, PictureSize worth, DecodeStages& stages) {
    const UINT width = static_cast<UINT>(worth.width);
    const UINT height = static_cast<UINT>(worth.height);
    if (width >= stages.width && height >= stages.height) {
        return true;
    }
    if (FAILED(factory->CreateBitmapScaler(stages.scaler.Out())) ||
        FAILED(stages.scaler.p->Initialize(stages.last, width, height,
                                           WICBitmapInterpolationModeFant))) {
        return false;
    }
    stages.last = stages.scaler.p;
    stages.width = width;
    stages.height = height;
    return true;
}

// The latest stage's pixels, decoded at last, as red, green and blue.
std::optional<RgbPicture> CopyRgb(IWICImagingFactory* factory, DecodeStages& stages) {
    // 32-bit BGRA: Wine's converter refuses 24-bit BGR for a PNG.
    if (FAILED(factory->CreateFormatConverter(stages.converter.Out())) ||
        FAILED(stages.converter.p->Initialize(stages.last, GUID_WICPixelFormat32bppBGRA,
                                              WICBitmapDitherTypeNone, nullptr, 0.0,
                                              WICBitmapPaletteTypeCustom))) {
        return std::nullopt;
    }
    const UINT width = stages.width;
    const UINT height = stages.height;
    const UINT stride = width * 4;
    std::vector<BYTE> bgra(static_cast<std::size_t>(stride) * height);
    if (FAILED(stages.converter.p->CopyPixels(nullptr, stride, static_cast<UINT>(bgra.size()),
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

std::optional<RgbPicture> Decode(IWICImagingFactory* factory, const FileReadResult& file,
                                 PictureSize need, PictureFit fit) {
    const std::optional<PictureHeader> header = WeighHeader(file, need, fit);
    DecodeStages stages;
    WICPixelFormatGUID format{};
    if (!header || !OpenFirstFrame(factory, file, stages, format)) {
        return std::nullopt;
    }
    const PictureSize worth = SizeWorthDecoding(static_cast<int>(stages.width),
                                                static_cast<int>(stages.height), need, fit);
    if (worth.width <= 0 || worth.height <= 0 ||
        !PlanFrame(factory, *header, format, worth, stages) || !ScaleDown(factory, worth, stages)) {
        return std::nullopt;
    }
    return CopyRgb(factory, stages);
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
