// The preview still: one frame of our own renderer over the sample desktop, behind the paper
// glider as the flight shows it (scripts/make-assets.sh draws the frame), brought down to the
// 152 x 112 pixels of the preview. Each small pixel is the average of the frame's pixels under
// it, each weighted by how much of it lies inside (an exact area filter): no aliasing, no
// ringing, and the same on every machine.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "assets/generator/picture.h"

namespace altostrat::assets {
namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // top row first
};

// A binary PPM (P6, maxval 255), as the inspection tool writes it. Refuses anything it cannot
// check against the bytes that are there.
bool ReadPpm(const std::string& path, Frame& frame, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    std::size_t at = 0;
    const auto skipSpace = [&] {
        while (at < bytes.size() &&
               (bytes[at] == ' ' || bytes[at] == '\n' || bytes[at] == '\r' || bytes[at] == '\t')) {
            ++at;
        }
    };
    const auto number = [&](int& value) {
        skipSpace();
        value = 0;
        const std::size_t start = at;
        while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9' && at - start < 6) {
            value = value * 10 + (bytes[at++] - '0');
        }
        return at > start;
    };
    int maxValue = 0;
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') {
        error = path + ": not a binary PPM";
        return false;
    }
    at = 2;
    if (!number(frame.width) || !number(frame.height) || !number(maxValue) || maxValue != 255 ||
        frame.width < kWidth || frame.height < kHeight || at >= bytes.size()) {
        error = path + ": unusable PPM header";
        return false;
    }
    ++at;  // the one white-space byte before the pixels
    const std::size_t size = static_cast<std::size_t>(frame.width) * frame.height * 3;
    if (bytes.size() - at < size) {
        error = path + ": the pixels end early";
        return false;
    }
    frame.rgb.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
    return true;
}

// Weights of the source samples under each of `to` output samples spread over `from` inputs.
struct Tap {
    int source;
    double weight;
};
std::vector<std::vector<Tap>> AreaTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(to);
    const double scale = double(from) / to;
    for (int i = 0; i < to; ++i) {
        const double begin = i * scale;
        const double end = (i + 1) * scale;
        for (int s = static_cast<int>(begin); s < from && s < end; ++s) {
            const double overlap = std::min(end, s + 1.0) - std::max(begin, double(s));
            if (overlap > 0) {
                taps[i].push_back({s, overlap / scale});
            }
        }
    }
    return taps;
}

}  // namespace

bool MakePreviewStill(const GeneratorInput& input, GeneratedPicture& picture, std::string& error) {
    Frame frame;
    if (!ReadPpm(input.rendererFrame, frame, error)) {
        return false;
    }
    const auto columns = AreaTaps(frame.width, kWidth);
    const auto rows = AreaTaps(frame.height, kHeight);
    // Across first, into doubles, then down.
    std::vector<double> narrow(static_cast<std::size_t>(frame.height) * kWidth * 3, 0.0);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            for (const Tap& tap : columns[x]) {
                for (int c = 0; c < 3; ++c) {
                    narrow[(static_cast<std::size_t>(y) * kWidth + x) * 3 + c] +=
                        tap.weight *
                        frame.rgb[(static_cast<std::size_t>(y) * frame.width + tap.source) * 3 + c];
                }
            }
        }
    }
    picture.indexed = false;
    picture.width = kWidth;
    picture.height = kHeight;
    picture.bgr.assign(kWidth * kHeight * 3, 0);
    for (int top = 0; top < kHeight; ++top) {
        const int row = kHeight - 1 - top;
        for (int x = 0; x < kWidth; ++x) {
            double sum[3] = {};
            for (const Tap& tap : rows[top]) {
                for (int c = 0; c < 3; ++c) {
                    sum[c] += tap.weight *
                              narrow[(static_cast<std::size_t>(tap.source) * kWidth + x) * 3 + c];
                }
            }
            std::uint8_t* p = &picture.bgr[(row * kWidth + x) * 3];
            for (int c = 0; c < 3; ++c) {
                const double value = std::min(255.0, std::max(0.0, sum[c] + 0.5));
                p[2 - c] = static_cast<std::uint8_t>(value);
            }
        }
    }
    return true;
}

}  // namespace altostrat::assets
