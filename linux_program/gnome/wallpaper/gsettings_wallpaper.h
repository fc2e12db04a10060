#pragma once
// GNOME's wallpaper settings read through GIO's GSettings, from whatever backend the session
// uses (dconf on a desktop). GSettings ends the process over a schema it does not know, so each
// schema is looked up first: a machine without GNOME's schemas has no wallpaper, and a GNOME
// too old for a key (picture-uri-dark, color-scheme) gives an empty text for it. Nothing is
// written.

#include <optional>

#include "linux_program/gnome/wallpaper/wallpaper_settings.h"

namespace altostrat {

// Nothing when org.gnome.desktop.background is not installed.
std::optional<WallpaperTexts> ReadGnomeWallpaperTexts();

}  // namespace altostrat
