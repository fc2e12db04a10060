#pragma once
// One output photographed through one of the compositor's copy protocols into shared memory,
// and laid at once into its place in the desktop's picture (so that only one output's buffer is
// held at a time). Each answers false, with a few words in ERROR, when that output could not
// be photographed; the picture is then left as it was there.

#include <string>

#include "common/picture_layout.h"
#include "common/screen_rect.h"
#include "linux_program/wayland/capture/wayland_outputs.h"

namespace altostrat {

// Through wlroots' screen copy (sway, Hyprland, ...).
bool ScreencopyOutput(CaptureGlobals& globals, const WaylandOutput& output, const ScreenRect& area,
                      RgbPicture& canvas, std::string& error);

// Through the image copy capture protocol, with the output as the capture source.
bool ImageCopyOutput(CaptureGlobals& globals, const WaylandOutput& output, const ScreenRect& area,
                     RgbPicture& canvas, std::string& error);

}  // namespace altostrat
