#pragma once
// The asset generator's pictures: each family of the host's built-in pictures is one function
// that fills a GeneratedPicture; the table in pictures.cpp names them and their files.

#include <cstdint>
#include <string>
#include <vector>

#include "common/bmp_writer.h"

namespace altostrat::assets {

struct GeneratedPicture {
    bool indexed = false;
    Indexed8Picture palette8;       // when indexed
    std::int32_t width = 0;         // when not indexed: 24-bit pixels,
    std::int32_t height = 0;        // blue, green, red,
    std::vector<std::uint8_t> bgr;  // bottom row first, rows width * 3 bytes apart
};

// What a picture may be made from besides its own code.
struct GeneratorInput {
    std::string rendererFrame;  // a binary PPM of one frame of the renderer (the preview still)
};

// Fills picture, or gives false with a reason in error.
using MakePicture = bool (*)(const GeneratorInput& input, GeneratedPicture& picture,
                             std::string& error);

struct PictureEntry {
    const char* fileName;  // in assets/
    MakePicture make;
    bool needsFrame;  // made from GeneratorInput::rendererFrame
};

const std::vector<PictureEntry>& Pictures();

bool MakeSky(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakeGlow(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakePreviewStill(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
// The Linux program's own ground, for when no desktop picture can be had (ground.cpp).
bool MakeGround(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);

// The Command button's skins (button_skins.cpp).
bool MakeSkinNormal(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakeSkinHighLight(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakeSkinPressed(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakeSkinDisable(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakeSkinSelected(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);

// The settings dialog's strip, choice marks and check-box marks (dialog_pictures.cpp).
bool MakeDialogStrip(const GeneratorInput& input, GeneratedPicture& picture, std::string& error);
bool MakeChoiceMarkUnchosen(const GeneratorInput& input, GeneratedPicture& picture,
                            std::string& error);
bool MakeChoiceMarkChosen(const GeneratorInput& input, GeneratedPicture& picture,
                          std::string& error);
bool MakeCheckMarkUnchecked(const GeneratorInput& input, GeneratedPicture& picture,
                            std::string& error);
bool MakeCheckMarkChecked(const GeneratorInput& input, GeneratedPicture& picture,
                          std::string& error);

}  // namespace altostrat::assets
