#pragma once
// The forms' unit: the twip, 1/1440 inch. A display's logical pixels per inch turn twips into
// pixels (15 twips to the pixel at 96), so a control laid out in twips keeps its size on a scaled
// display: the dialog's places and the Command button's caption and border alike.

namespace altostrat {

// Twips to pixels at DPI logical pixels per inch, to the nearest pixel (half away from zero,
// the same for both signs).
int TwipsToPixels(int twips, int dpi);

}  // namespace altostrat
