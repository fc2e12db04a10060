// altostrat-assets: writes the host's built-in pictures as bitmap files, and the aircraft model.
//
//   altostrat-assets OUT_DIR [--frame FRAME.ppm] [FILE...]
//
// Without FILE names it writes every picture of the table and the model; a picture made from a
// renderer frame (the preview still) needs --frame. scripts/make-assets.sh runs it the way the
// committed files were made.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assets/generator/glider.h"
#include "assets/generator/picture.h"
#include "common/file_bytes.h"

using namespace altostrat;
using namespace altostrat::assets;

namespace {

constexpr char kGliderFile[] = "glider.ms3d";

bool Write(const std::string& path, const GeneratedPicture& picture) {
    if (picture.indexed) {
        return WriteBmp8(path, picture.palette8);
    }
    return WriteBmp24(path, {picture.width, picture.height, picture.bgr.data(),
                             static_cast<std::size_t>(picture.width) * 3});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: altostrat-assets OUT_DIR [--frame FRAME.ppm] [FILE...]\n");
        return 2;
    }
    const std::string folder = argv[1];
    GeneratorInput input;
    std::vector<std::string> wanted;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frame") == 0 && i + 1 < argc) {
            input.rendererFrame = argv[++i];
        } else {
            wanted.push_back(argv[i]);
        }
    }
    int failures = 0;
    for (const PictureEntry& entry : Pictures()) {
        const bool named = wanted.empty() ? (!entry.needsFrame || !input.rendererFrame.empty())
                                          : std::find(wanted.begin(), wanted.end(),
                                                      entry.fileName) != wanted.end();
        if (!named) {
            continue;
        }
        GeneratedPicture picture;
        std::string error;
        if (!entry.make(input, picture, error)) {
            std::fprintf(stderr, "altostrat-assets: %s: %s\n", entry.fileName, error.c_str());
            ++failures;
        } else if (!Write(folder + "/" + entry.fileName, picture)) {
            std::fprintf(stderr, "altostrat-assets: cannot write %s/%s\n", folder.c_str(),
                         entry.fileName);
            ++failures;
        }
    }
    const bool gliderWanted =
        wanted.empty() || std::find(wanted.begin(), wanted.end(), kGliderFile) != wanted.end();
    if (gliderWanted && !ReplaceFileContents(folder + "/" + kGliderFile, Ms3dBytes(MakeGlider()))) {
        std::fprintf(stderr, "altostrat-assets: cannot write %s/%s\n", folder.c_str(), kGliderFile);
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
