// libjpeg reports a fatal error by calling a function that must not return: it jumps back to
// the decoder's start with longjmp. So the JPEG decoder keeps nothing with a destructor between
// setjmp and the library calls, and writes only into the caller's picture, which outlives the
// jump. libjpeg goes on past data cut off or lost (a warning), filling the rest with grey: such
// a picture is refused. Other warnings (stray bytes between markers) leave a whole picture and
// are let pass, as picture viewers do. libpng is used through its simplified API, which reports
// errors by its return.
#include "linux_program/picture/picture_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

namespace altostrat {
namespace {

bool IsJpeg(const std::uint8_t* data, std::size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool IsPng(const std::uint8_t* data, std::size_t size) {
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool TooLarge(std::int64_t width, std::int64_t height) {
    return width <= 0 || height <= 0 || width * height > kMaxDecodedPixels;
}

struct JpegErrors {
    jpeg_error_mgr manager;  // first: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool dataLost;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    JpegErrors* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->manager.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Quiet; a warning that pixels are missing is remembered.
void OnJpegMessage(j_common_ptr info, int level) {
    JpegErrors* errors = reinterpret_cast<JpegErrors*>(info->err);
    const int code = errors->manager.msg_code;
    if (level < 0 &&
        (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)) {
        errors->dataLost = true;
    }
}

// The smallest of 1/1, 1/2, 1/4, 1/8 that still gives at least the size worth decoding.
unsigned JpegReduction(int width, int height, PictureSize need) {
    const PictureSize worth = SizeWorthDecoding(width, height, need, PictureFit::kFill);
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

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, PictureSize need, RgbPicture& picture,
                std::string& error) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.emit_message = OnJpegMessage;
    errors.message[0] = '\0';
    errors.dataLost = false;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        picture.pixels.clear();
        error = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = JpegReduction(static_cast<int>(info.image_width),
                                     static_cast<int>(info.image_height), need);
    jpeg_calc_output_dimensions(&info);
    // A progressive JPEG keeps the whole picture's coefficients, whatever the reduction: its own
    // size counts, not only the reduced one.
    const bool wholeKept =
        info.progressive_mode != 0 && TooLarge(info.image_width, info.image_height);
    if (wholeKept || TooLarge(info.output_width, info.output_height) ||
        info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        error = "too large a picture";
        return false;
    }
    jpeg_start_decompress(&info);
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    picture.pixels.resize(rowBytes * static_cast<std::size_t>(picture.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.pixels.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool damaged = errors.dataLost;
    jpeg_destroy_decompress(&info);
    if (damaged) {
        picture.pixels.clear();
        error = "damaged JPEG data";
        return false;
    }
    return true;
}

bool DecodePng(const std::uint8_t* data, std::size_t size, RgbPicture& picture,
               std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, data, size) == 0) {
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

}  // namespace

PictureDecode DecodePictureBytes(const std::uint8_t* data, std::size_t size, PictureSize need) {
    PictureDecode result;
    bool decoded = false;
    if (data == nullptr || size == 0) {
        result.error = "an empty file";
    } else if (IsJpeg(data, size)) {
        decoded = DecodeJpeg(data, size, need, result.picture, result.error);
    } else if (IsPng(data, size)) {
        decoded = DecodePng(data, size, result.picture, result.error);
    } else {
        result.error = "neither a JPEG nor a PNG picture";
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
