#pragma once
// Plain black windows over the monitors the flight does not fill. They show no cursor and never
// take the focus or the foreground, so the keyboard stays with the flight.

#include <windows.h>

#include <vector>

#include "flight/display/display_layout.h"

namespace altostrat {

constexpr wchar_t kCoverClassName[] = L"Altostrat_Cover";

// Registers the covers' window class; false when the system refuses it.
bool RegisterCoverClass(HINSTANCE instance);

// One shown cover for each rectangle, above other windows and without activating; a cover
// Windows refuses is left out.
std::vector<HWND> CreateCovers(const std::vector<ScreenRect>& rects, HINSTANCE instance);

// Destroys the covers and empties the list; safe with an empty list.
void DestroyCovers(std::vector<HWND>& covers);

}  // namespace altostrat
