// libjpeg reports a fatal error by calling a function that must not return: it jumps back to
// the decoder's start with longjmp. So the JPEG decoder keeps nothing with a destructor between
// setjmp and the library calls, and writes only into the caller's picture, which outlives the
// jump; the warnings and the progress hook that end a decode jump back the same way. libjpeg
// would go on past data cut off or lost (a warning), filling the rest with grey: such a
// picture is refused at that warning. Other warnings (stray bytes between markers, scans in an
// odd order) leave a whole picture and are let pass, as picture viewers do. libpng is used
// through its simplified API, which reports errors by its return; it reads the file through a
// stream of glibc's made over the bytes in memory, which asks the stop question as it is read.
//
// libwebp decodes straight into the caller's pixels through its incremental decoder, handed the
// file a piece more at a time so that the stop question is asked between pieces. A lossless
// WebP keeps the whole picture once more inside the decoder (four bytes a pixel) beside the
// caller's three: a WebP is refused when those seven bytes a pixel would pass the decode
// budget, before any pixel is made. An animated WebP is refused; a transparent one shows the
// colours its transparent pixels keep.
#include "linux_program/picture/picture_decode.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>
#include <png.h>
#include <webp/decode.h>

namespace altostrat {
namespace {

bool IsJpeg(const std::uint8_t* data, std::size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool IsPng(const std::uint8_t* data, std::size_t size) {
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool IsWebp(const std::uint8_t* data, std::size_t size) {
    return size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WEBP", 4) == 0;
}

bool TooLarge(std::int64_t width, std::int64_t height) {
    return width <= 0 || height <= 0 || width * height > kMaxDecodedPixels;
}

// What the JPEG decoder's callbacks reach through libjpeg's error manager.
struct JpegErrors {
    jpeg_error_mgr manager;  // first: libjpeg hands back a pointer to it
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    DecodeStop stop;
};

JpegErrors& ErrorsOf(j_common_ptr info) {
    return *reinterpret_cast<JpegErrors*>(info->err);
}

[[noreturn]] void RefuseJpeg(JpegErrors& errors, const char* reason) {
    std::snprintf(errors.message, sizeof errors.message, "%s", reason);
    std::longjmp(errors.jump, 1);
}

[[noreturn]] void OnJpegError(j_common_ptr info) {
    JpegErrors& errors = ErrorsOf(info);
    errors.manager.format_message(info, errors.message);
    std::longjmp(errors.jump, 1);
}

// Quiet; a warning that pixels are missing ends the decode at once, as libjpeg would otherwise
// go on over the rest of the picture only to make grey of it.
void OnJpegMessage(j_common_ptr info, int level) {
    JpegErrors& errors = ErrorsOf(info);
    const int code = errors.manager.msg_code;
    if (level < 0 &&
        (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)) {
        RefuseJpeg(errors, "damaged JPEG data");
    }
}

// libjpeg calls this at every row of blocks it reads and every time it hands rows out.
void OnJpegProgress(j_common_ptr info) {
    JpegErrors& errors = ErrorsOf(info);
    if (errors.stop != nullptr && errors.stop()) {
        RefuseJpeg(errors, "stopped");
    }
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans) {
        RefuseJpeg(errors, "too many scans in a JPEG");
    }
}

// The smallest of 1/1, 1/2, 1/4, 1/8 that still gives at least the size worth decoding.
unsigned JpegReduction(int width, int height, PictureSize need, PictureFit fit) {
    const PictureSize worth = SizeWorthDecoding(width, height, need, fit);
    unsigned denominator = 1;
    while (denominator < 8) {
        const unsigned next = denominator * 2;
        const long reducedWidth = (static_cast<long>(width) + next - 1) / next;
        const long reducedHeight = (static_cast<long>(height) + next - 1) / next;
        if (reducedWidth < worth.width || reducedHeight < worth.height) {
            break;
        }
        denominator = next;
    }
    return denominator;
}

std::int64_t RoundedUp(std::int64_t value, std::int64_t step) {
    return (value + step - 1) / step * step;
}

// What libjpeg keeps of a picture that comes in several scans: every coefficient of every
// component, whatever the reduction, in rows of blocks as many as the component's sampling.
std::int64_t WholeCoefficientBytes(const jpeg_decompress_struct& info) {
    std::int64_t bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        bytes += RoundedUp(component.width_in_blocks, component.h_samp_factor) *
                 RoundedUp(component.height_in_blocks, component.v_samp_factor) *
                 std::int64_t{DCTSIZE2} * std::int64_t{sizeof(JCOEF)};
    }
    return bytes;
}

bool IsCmyk(const jpeg_decompress_struct& info) {
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// One row of inks, cyan, magenta, yellow and black, as red, green and blue. Where Adobe's
// marker is, 255 means no ink; elsewhere 0 does.
void CmykToRgb(const JSAMPLE* inks, int width, bool inverted, std::uint8_t* rgb) {
    for (int x = 0; x < width; ++x, inks += 4, rgb += 3) {
        const int black = inverted ? inks[3] : 255 - inks[3];
        for (int c = 0; c < 3; ++c) {
            const int colour = inverted ? inks[c] : 255 - inks[c];
            rgb[c] = static_cast<std::uint8_t>((colour * black + 127) / 255);
        }
    }
}

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, PictureSize need, PictureFit fit,
                DecodeStop stop, RgbPicture& picture, std::string& error) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.emit_message = OnJpegMessage;
    errors.progress = jpeg_progress_mgr{};
    errors.progress.progress_monitor = OnJpegProgress;
    errors.message[0] = '\0';
    errors.stop = stop;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        picture.pixels.clear();
        error = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = static_cast<long>(kPictureDecodeBudget);
    info.progress = &errors.progress;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = IsCmyk(info);
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = JpegReduction(static_cast<int>(info.image_width),
                                     static_cast<int>(info.image_height), need, fit);
    jpeg_calc_output_dimensions(&info);
    const bool wholeKept =
        jpeg_has_multiple_scans(&info) != 0 &&
        WholeCoefficientBytes(info) > static_cast<std::int64_t>(kPictureDecodeBudget);
    if (wholeKept || TooLarge(info.output_width, info.output_height) ||
        info.output_components != (cmyk ? 4 : 3)) {
        jpeg_destroy_decompress(&info);
        error = "too large a picture";
        return false;
    }
    jpeg_start_decompress(&info);
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    picture.pixels.resize(rowBytes * static_cast<std::size_t>(picture.height));
    // The inks' row lives in libjpeg's memory, freed with it whichever way the decode ends.
    JSAMPARRAY inks = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                       JPOOL_IMAGE, info.output_width * 4, 1)
                           : nullptr;
    while (info.output_scanline < info.output_height) {
        std::uint8_t* out = picture.pixels.data() + rowBytes * info.output_scanline;
        JSAMPROW row = cmyk ? inks[0] : out;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            CmykToRgb(inks[0], picture.width, info.saw_Adobe_marker != 0, out);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// libpng reads the file a few kilobytes at a time as it decodes, each piece some megabytes of
// pixels at the most: the stop question is asked at each, and a stop ends the file there.
struct PngSource {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at;
    DecodeStop stop;
    bool stopped;
};

ssize_t ReadPngSource(void* cookie, char* buffer, std::size_t wanted) {
    PngSource& source = *static_cast<PngSource*>(cookie);
    if (source.stop != nullptr && source.stop()) {
        source.stopped = true;
        return -1;
    }
    const std::size_t piece = std::min(wanted, source.size - source.at);
    std::memcpy(buffer, source.data + source.at, piece);
    source.at += piece;
    return static_cast<ssize_t>(piece);
}

bool ReadPng(std::FILE* file, RgbPicture& picture, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_stdio(&image, file) == 0) {
        error = image.message;
        return false;
    }
    if (TooLarge(image.width, image.height)) {
        png_image_free(&image);
        error = "too large a picture";
        return false;
    }
    // Transparent parts over black, as a wallpaper's would show over the background.
    image.format = PNG_FORMAT_RGB;
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr) == 0) {
        error = image.message;
        picture.pixels.clear();
        return false;
    }
    return true;
}

bool DecodePng(const std::uint8_t* data, std::size_t size, DecodeStop stop, RgbPicture& picture,
               std::string& error) {
    PngSource source{data, size, 0, stop, false};
    cookie_io_functions_t reading{};
    reading.read = ReadPngSource;
    std::FILE* file = fopencookie(&source, "r", reading);
    if (file == nullptr) {
        error = "cannot be read";
        return false;
    }
    const bool read = ReadPng(file, picture, error);
    std::fclose(file);
    if (source.stopped) {
        error = "stopped";
    }
    return read && !source.stopped;
}

// The bytes libwebp is handed at a time, between two stop questions.
constexpr std::size_t kWebpPiece = std::size_t{64} << 10;

bool DecodeWebp(const std::uint8_t* data, std::size_t size, DecodeStop stop, RgbPicture& picture,
                std::string& error) {
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK) {
        return false;
    }
    if (features.has_animation) {
        error = "an animated WebP";
        return false;
    }
    const std::int64_t pixels = std::int64_t{features.width} * features.height;
    if (TooLarge(features.width, features.height) ||
        pixels * 7 > static_cast<std::int64_t>(kPictureDecodeBudget)) {
        error = "too large a picture";
        return false;
    }
    picture.width = features.width;
    picture.height = features.height;
    picture.pixels.resize(static_cast<std::size_t>(pixels) * 3);
    WebPIDecoder* decoder =
        WebPINewRGB(MODE_RGB, picture.pixels.data(), picture.pixels.size(), picture.width * 3);
    if (decoder == nullptr) {
        error = "cannot be read";
        return false;
    }
    // The whole file so far each time: libwebp then reads it in place instead of copying it.
    VP8StatusCode status = VP8_STATUS_SUSPENDED;
    for (std::size_t given = 0; status == VP8_STATUS_SUSPENDED && given < size;) {
        if (stop != nullptr && stop()) {
            error = "stopped";
            break;
        }
        given = std::min(size, given + kWebpPiece);
        status = WebPIUpdate(decoder, data, given);
    }
    WebPIDelete(decoder);
    if (status != VP8_STATUS_OK) {
        picture.pixels.clear();
        return false;
    }
    return true;
}

}  // namespace

PictureDecode DecodePictureBytes(const std::uint8_t* data, std::size_t size, PictureSize need,
                                 DecodeStop stop, PictureFit fit) {
    PictureDecode result;
    bool decoded = false;
    if (data == nullptr || size == 0) {
        result.error = "an empty file";
    } else if (IsJpeg(data, size)) {
        decoded = DecodeJpeg(data, size, need, fit, stop, result.picture, result.error);
    } else if (IsPng(data, size)) {
        decoded = DecodePng(data, size, stop, result.picture, result.error);
    } else if (IsWebp(data, size)) {
        decoded = DecodeWebp(data, size, stop, result.picture, result.error);
    } else {
        result.error = "neither a JPEG, a PNG nor a WebP picture";
    }
    if (!decoded) {
        result.picture = RgbPicture();
        if (result.error.empty()) {
            result.error = "a damaged picture";
        }
    }
    return result;
}

}  // namespace altostrat
