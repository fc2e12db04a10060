// The settings dialog's persistent picture: the background gradient, the panel covered with the
// strip at the display's scale, the section headings, the repeat caption, the framed paths of the
// music and of the 景色 picture, the credit line measured to end before 設定, and the link.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "common/win32/wide_text.h"
#include "host/dialog/dialog_layout.h"
#include "host/dialog/win32/settings_dialog_window_parts.h"

namespace altostrat::settings_window {

namespace {

constexpr COLORREF kPanelColour = RGB(224, 224, 224);

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

// The gradient of the form's background, one line per pixel row; nothing when minimised.
void PaintGradientRows(HDC dc, int width, int height) {
    const std::vector<std::uint8_t> rows = GradientRows(height);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int c = rows[i];
        const HPEN pen = CreatePen(PS_SOLID, 1, RGB(c, c, c + 30));
        const HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, static_cast<int>(i), nullptr);
        LineTo(dc, width, static_cast<int>(i));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

// TileBackground: the strip copied over the panel column by column, at the display's scale, so
// a scaled panel shows the same one gradient as at 100 % rather than the strip's end and a
// second light start.
void TileBackground(SettingsDialogWindow& d, HDC dc, const RECT& panel) {
    const HBRUSH brush = CreateSolidBrush(kPanelColour);
    FillRect(dc, &panel, brush);
    DeleteObject(brush);
    const SIZE strip = BitmapSize(d.strip);
    const int width = Scaled(d, strip.cx);
    const int height = Scaled(d, strip.cy);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, d.strip);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, panel.left, panel.top, panel.right, panel.bottom);
    SetStretchBltMode(dc, width == strip.cx ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    for (const PixelPoint& at :
         TilePositions(panel.right - panel.left, panel.bottom - panel.top, width, height)) {
        StretchBlt(dc, panel.left + at.x, panel.top + at.y, width, height, source, 0, 0, strip.cx,
                   strip.cy, SRCCOPY);
    }
    RestoreDC(dc, saved);
    SelectObject(source, old);
    DeleteDC(source);
}

// A frame THICKNESS pixels wide just inside RECT.
void Frame(HDC dc, RECT rect, int thickness, HBRUSH brush) {
    for (int i = 0; i < thickness && rect.right > rect.left && rect.bottom > rect.top; ++i) {
        FrameRect(dc, &rect, brush);
        InflateRect(&rect, -1, -1);
    }
}

// The framed heading box of a section (Shape3 and lbl(15) for "BGM").
void DrawHeading(SettingsDialogWindow& d, HDC dc, const TwipsRect& shapePlace,
                 const TwipsRect& labelPlace, const char* caption) {
    const RECT shape = PixelRect(d, shapePlace);
    const HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    Frame(dc, shape, Scaled(d, 1), grey);
    DeleteObject(grey);
    DrawLabel(dc, d.look.font, RGB(0, 0, 0), caption, PixelRect(d, labelPlace),
              DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
}

}  // namespace

int TextWidth(HDC dc, HFONT font, const std::string& text) {
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}

void DrawLabel(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT rect,
               UINT format) {
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const std::wstring wide = Wide(text);
    DrawTextW(dc, wide.c_str(), -1, &rect, format | DT_NOPREFIX);
    SelectObject(dc, old);
}

void ReleasePicture(SettingsDialogWindow& d) {
    if (d.picture) {
        SelectObject(d.picture, d.pictureOld);
        DeleteObject(d.pictureBitmap);
        DeleteDC(d.picture);
        d.picture = nullptr;
        d.pictureBitmap = nullptr;
    }
}

// Draws the whole persistent picture for the current client size and label texts.
void PaintPicture(SettingsDialogWindow& d) {
    RECT client{};
    GetClientRect(d.window, &client);
    ReleasePicture(d);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    const HDC screen = GetDC(d.window);
    d.picture = CreateCompatibleDC(screen);
    d.pictureBitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(d.window, screen);
    d.pictureOld = SelectObject(d.picture, d.pictureBitmap);
    const HDC dc = d.picture;

    const HBRUSH back = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(dc, &client, back);
    DeleteObject(back);
    PaintGradientRows(dc, client.right, client.bottom);
    TileBackground(d, dc, PixelRect(d, Widened(kPanelPlace, d.growth)));

    DrawHeading(d, dc, kHeadingShapePlace, kHeadingPlace, d.texts.musicHeading);
    DrawHeading(d, dc, kScreenHeadingShapePlace, kScreenHeadingPlace, d.texts.screenHeading);
    DrawHeading(d, dc, InSceneryColumn(kSceneryHeadingShapePlace, d.growth),
                InSceneryColumn(kSceneryHeadingPlace, d.growth), d.texts.sceneryHeading);

    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    DrawLabel(dc, d.look.font, black, d.texts.repeatCaption, PixelRect(d, kRepeatCaptionPlace),
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);

    // lbl_Fname: a single-line border round the path, which wraps inside it.
    const RECT fileLabel = PixelRect(d, Widened(kFileLabelPlace, d.growth));
    Frame(dc, fileLabel, Scaled(d, 1), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT fileText = fileLabel;
    InflateRect(&fileText, -Scaled(d, 2), -Scaled(d, 2));
    DrawLabel(dc, d.look.font, black, d.form.fileLabel, fileText,
              DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);
    // The 景色 picture's path on one line: a long one keeps its end, the picture's or the
    // folder's own name, and loses its middle.
    const RECT pictureLabel = PixelRect(d, InSceneryColumn(kPicturePathPlace, d.growth));
    Frame(dc, pictureLabel, Scaled(d, 1), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT pictureText = pictureLabel;
    InflateRect(&pictureText, -Scaled(d, 2), -Scaled(d, 1));
    DrawLabel(dc, d.look.font, black, d.form.sceneryLabel, pictureText,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS);

    // The credit line, measured in the font the dialog got: the longest wording that ends before
    // 設定, and whatever is drawn is cut there.
    const int room = Px(d, kCreditRoomTwips + d.growth.width);
    std::vector<int> widths;
    for (const char* caption : d.texts.credits) {
        widths.push_back(TextWidth(dc, d.look.font, caption));
    }
    RECT credit = PixelRect(d, kCreditPlace);
    credit.right = credit.left + room;
    credit.bottom = PixelRect(d, kLinkPlace).top;  // the whole height of a taller fallback font
    DrawLabel(dc, d.look.font, white, d.texts.credits[FittingText(widths, room)], credit,
              DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    // lbl_URL, sized to its text: the pointing hand and the click follow that size.
    RECT link = PixelRect(d, kLinkPlace);
    const HGDIOBJ oldFont = SelectObject(dc, d.linkFont);
    const std::wstring url = Wide(d.texts.manualLink);
    DrawTextW(dc, url.c_str(), -1, &link, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    link.right = std::min<LONG>(link.right, link.left + room);
    d.linkRect = link;
    DrawLabel(dc, d.linkFont, white, d.texts.manualLink, link,
              DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void RefreshPicture(SettingsDialogWindow& d) {
    PaintPicture(d);
    RedrawWindow(d.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace altostrat::settings_window
