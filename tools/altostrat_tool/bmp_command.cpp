#include <cstdio>
#include <cstring>
#include <string>

#include "flight/bitmap/dib_image.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"
#include "tools/altostrat_tool/ppm_file.h"
#include "tools/sha256/sha256.h"

namespace altostrat::tool {

const char kBmpUsage[] = "bmp FILE [--ppm OUT]";

int BmpCommand(int argc, char** argv) {
    if (argc != 1 && !(argc == 3 && std::strcmp(argv[1], "--ppm") == 0)) {
        return UsageError("bmp takes a file and optionally --ppm and an output file", kBmpUsage);
    }
    std::string message;
    const auto image = LoadDibImage(argv[0], [&message](const std::string& m) { message = m; });
    if (image == nullptr) {
        // As the user reads it in the message box, where a trailing line feed shows as nothing.
        while (!message.empty() && message.back() == '\n') {
            message.pop_back();
        }
        std::printf("error: %s\n", message.c_str());
        return 1;
    }
    if (argc == 3 && !WritePpm(argv[2], *image)) {
        std::fprintf(stderr, "altostrat-tool: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("ok %d %d %s\n", image->width, image->height,
                Sha256Hex(image->pixels.data(), image->pixels.size()).c_str());
    return 0;
}

}  // namespace altostrat::tool
