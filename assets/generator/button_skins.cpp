// The six 64 x 25 skins of the Command button. From the outside in: a margin in the dialog's
// colour, a dark blue frame whose corner pixels are blended into the margin so the corners look
// rounded, a 2-pixel inner ring in the skin's accent colours, and the face. The button copies
// only the outer 4 pixels of a skin; the face is drawn for completeness and for the eye.
#include "assets/generator/canvas.h"

namespace altostrat::assets {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 25;

struct SkinColours {
    int marginWidth = 1;
    Rgb marginOuter;  // the outermost ring, where the margin is 2 pixels
    Rgb marginTop, marginBottom, marginLeft, marginRight;
    Rgb frame;
    bool ring = false;
    Rgb ringTop[2], ringBottom[2], ringSide[2];  // outer, then inner
    Rgb faceTop, faceMiddle, faceBottom;         // a vertical run through three colours
    bool shadedBottom = false;                   // Normal: the face's two lowest rows darker
};

// Face rows run from faceTop through faceMiddle to faceBottom.
Rgb FaceRow(const SkinColours& c, int row, int first, int last) {
    if (last <= first) {
        return c.faceMiddle;
    }
    const double t = static_cast<double>(row - first) / (last - first);
    return t < 0.5 ? Mix(c.faceMiddle, c.faceTop, t * 2)
                   : Mix(c.faceBottom, c.faceMiddle, t * 2 - 1);
}

void DrawSkin(const SkinColours& c, GeneratedPicture& picture) {
    Canvas canvas(kWidth, kHeight, c.marginOuter);
    const int m = c.marginWidth;
    // The margin's inner ring, coloured by side (the outermost one stays marginOuter).
    const int mi = m - 1;
    canvas.Fill(mi, mi, kWidth - 2 * mi, 1, c.marginTop);
    canvas.Fill(mi, kHeight - 1 - mi, kWidth - 2 * mi, 1, c.marginBottom);
    canvas.Fill(mi, mi + 1, 1, kHeight - 2 * mi - 2, c.marginLeft);
    canvas.Fill(kWidth - 1 - mi, mi + 1, 1, kHeight - 2 * mi - 2, c.marginRight);

    // Face inside the frame.
    const int inner = m + 1;
    for (int y = inner; y < kHeight - inner; ++y) {
        canvas.Fill(inner, y, kWidth - 2 * inner, 1, FaceRow(c, y, inner, kHeight - inner - 1));
    }
    if (c.shadedBottom) {
        canvas.Fill(inner, kHeight - inner - 2, kWidth - 2 * inner, 1, Hex(0xE2DFD6));
        canvas.Fill(inner, kHeight - inner - 1, kWidth - 2 * inner, 1, Hex(0xD6D0C5));
    }
    if (c.ring) {
        for (int k = 0; k < 2; ++k) {
            const int at = inner + k;
            canvas.Fill(at, at, kWidth - 2 * at, 1, c.ringTop[k]);
            canvas.Fill(at, kHeight - 1 - at, kWidth - 2 * at, 1, c.ringBottom[k]);
            canvas.Fill(at, at + 1, 1, kHeight - 2 * at - 2, c.ringSide[k]);
            canvas.Fill(kWidth - 1 - at, at + 1, 1, kHeight - 2 * at - 2, c.ringSide[k]);
        }
    }

    // The frame, then its rounded corners: the corner pixel mostly margin, its two neighbours
    // along the edges mostly frame, and the pixel just inside the corner a touch of frame.
    const int f = m;
    canvas.Fill(f, f, kWidth - 2 * f, 1, c.frame);
    canvas.Fill(f, kHeight - 1 - f, kWidth - 2 * f, 1, c.frame);
    canvas.Fill(f, f, 1, kHeight - 2 * f, c.frame);
    canvas.Fill(kWidth - 1 - f, f, 1, kHeight - 2 * f, c.frame);
    const int xs[2] = {f, kWidth - 1 - f};
    const int ys[2] = {f, kHeight - 1 - f};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            const int x = xs[i];
            const int y = ys[j];
            const int dx = i == 0 ? 1 : -1;
            const int dy = j == 0 ? 1 : -1;
            const Rgb outside = canvas.Get(x - dx, y);
            canvas.Set(x, y, Mix(c.frame, outside, 0.3));
            canvas.Set(x + dx, y, Mix(c.frame, outside, 0.75));
            canvas.Set(x, y + dy, Mix(c.frame, outside, 0.75));
            canvas.Set(x + dx, y + dy, Mix(c.frame, canvas.Get(x + dx, y + dy), 0.35));
        }
    }
    canvas.MoveTo(picture);
}

SkinColours Plain() {
    SkinColours c;
    c.marginOuter = Hex(0xDCD6C2);
    c.marginTop = Hex(0xDCD6C2);
    c.marginBottom = Hex(0xFAFAF6);
    c.marginLeft = Hex(0xE2DECB);
    c.marginRight = Hex(0xF0EEE0);
    c.frame = Hex(0x003C74);
    c.faceTop = c.faceMiddle = c.faceBottom = Hex(0xF3F3EE);
    return c;
}

SkinColours Lit() {
    SkinColours c = Plain();
    c.faceTop = Hex(0xFCFCFB);
    c.faceMiddle = Hex(0xF3F3EE);
    c.faceBottom = Hex(0xECEBE6);
    c.ring = true;
    return c;
}

bool Finish(const SkinColours& colours, GeneratedPicture& picture) {
    DrawSkin(colours, picture);
    return true;
}

}  // namespace

bool MakeSkinNormal(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    SkinColours c = Plain();
    c.shadedBottom = true;
    return Finish(c, picture);
}

bool MakeSkinHighLight(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    SkinColours c = Lit();
    c.ringTop[0] = Hex(0xFFF0CF);
    c.ringTop[1] = Hex(0xFDD889);
    c.ringSide[0] = Hex(0xFCCA69);
    c.ringSide[1] = Hex(0xFBCA6A);
    c.ringBottom[0] = Hex(0xE59700);
    c.ringBottom[1] = Hex(0xF8B330);
    return Finish(c, picture);
}

bool MakeSkinSelected(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    SkinColours c = Lit();
    c.ringTop[0] = c.ringTop[1] = Hex(0xCEE7FF);
    c.ringSide[0] = Hex(0xA9C5EF);
    c.ringSide[1] = Hex(0xA8C6F0);
    c.ringBottom[0] = c.ringBottom[1] = Hex(0x6982EE);
    return Finish(c, picture);
}

bool MakeSkinPressed(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    SkinColours c = Plain();
    c.marginWidth = 2;
    c.marginOuter = Hex(0xECE9D8);
    c.marginBottom = Hex(0xECE9D8);
    c.marginRight = Hex(0xECE9D8);
    c.ring = true;
    c.ringTop[0] = Hex(0xD1CCC1);
    c.ringTop[1] = Hex(0xDCD8CF);
    c.ringSide[0] = Hex(0xD1CCC1);
    c.ringSide[1] = Hex(0xDCD8CF);
    c.ringBottom[0] = Hex(0xF2F1EE);
    c.ringBottom[1] = Hex(0xEAE9E3);
    c.faceTop = c.faceMiddle = c.faceBottom = Hex(0xE2E1D9);
    return Finish(c, picture);
}

bool MakeSkinDisable(const GeneratorInput&, GeneratedPicture& picture, std::string&) {
    SkinColours c;
    c.marginOuter = c.marginTop = c.marginBottom = c.marginLeft = c.marginRight = Hex(0xECE9D8);
    c.frame = Hex(0xC9C7BA);
    c.faceTop = c.faceMiddle = c.faceBottom = Hex(0xF5F4EA);
    return Finish(c, picture);
}

}  // namespace altostrat::assets
