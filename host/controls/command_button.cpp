#include "host/controls/command_button.h"

namespace altostrat {

namespace {

void ShowCaptionEnabled(CommandButton& button, CommandSurface& surface, bool enabled) {
    button.captionEnabled = enabled;
    surface.SetCaptionEnabled(enabled);
}

}  // namespace

void Initialize(CommandButton& button) {
    button.State = 1;
    button.pointerTimerOn = true;
}

void PaintSkin(CommandButton& button, CommandSurface& surface, ButtonSkin skin) {
    // Hovering without the focus runs the gradient the other way; state 4 keeps whichever way
    // it had.
    if (button.State == 1 || button.State == 3) {
        button.ReverseGradient = false;
    } else if (button.State == 2) {
        button.ReverseGradient = true;
    }
    surface.PaintSkin(skin, button.ReverseGradient);
}

void ShowEnabledState(CommandButton& button, CommandSurface& surface) {
    if (button.Enabled) {
        PaintSkin(button, surface, ButtonSkin::kNormal);
        ShowCaptionEnabled(button, surface, true);
    } else {
        PaintSkin(button, surface, ButtonSkin::kDisable);
        ShowCaptionEnabled(button, surface, false);
    }
}

void RefreshLook(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    ShowCaptionEnabled(button, surface, true);
    if (button.FirstRun == 0) {
        button.FontColour = 0;
    }
    PaintSkin(button, surface, ButtonSkin::kNormal);
}

void PointerLeft(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    if (button.State == 2) {
        button.State = 1;
        PaintSkin(button, surface, ButtonSkin::kNormal);
    } else if (button.State == 4) {
        button.State = 3;
        PaintSkin(button, surface, ButtonSkin::kSelected);
    }
}

void SetEnabled(CommandButton& button, CommandSurface& surface, bool enabled) {
    button.Enabled = enabled;
    surface.PropertyChanged();
    ShowEnabledState(button, surface);
}

bool GetEnabled(CommandButton& button, CommandSurface& surface) {
    // The first read of a button never loaded from stored data turns it on for good.
    if (button.FirstRun == 0) {
        RefreshLook(button, surface);
        button.FirstRun = 1;
        button.Enabled = true;
    }
    const bool enabled = button.Enabled;
    ShowEnabledState(button, surface);
    return enabled;
}

void SetCaption(CommandButton& button, CommandSurface& surface, const std::string& caption) {
    button.Caption = caption;
    surface.PropertyChanged();
}

void SetFontName(CommandButton& button, CommandSurface& surface, const std::string& face) {
    button.FontName = face;
    surface.PropertyChanged();
}

void SetFontColour(CommandButton& button, CommandSurface& surface, std::uint32_t colour) {
    button.FontColour = colour;
    RefreshLook(button, surface);
    surface.PropertyChanged();
}

std::uint32_t GetFontColour(CommandButton& button, CommandSurface& surface) {
    RefreshLook(button, surface);
    return button.FontColour;
}

void SetVisible(CommandButton& button, CommandSurface& surface, bool visible) {
    if (visible) {
        button.BackStyle = 1;
        RefreshLook(button, surface);
    } else {
        button.BackStyle = 0;
    }
    surface.PropertyChanged();
}

bool GetVisible(CommandButton& button, CommandSurface& surface) {
    if (button.BackStyle == 0) {
        return false;
    }
    RefreshLook(button, surface);
    return true;
}

void OnFocusReceived(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    if (button.State != 2) {
        button.State = 3;
        PaintSkin(button, surface, ButtonSkin::kSelected);
    } else {
        button.State = 4;
        PaintSkin(button, surface, ButtonSkin::kPressed);
    }
}

void OnFocusLost(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    if (button.State != 1) {
        button.State = 1;
        PaintSkin(button, surface, ButtonSkin::kNormal);
    }
}

void OnMouseDown(CommandButton& button, CommandSurface& surface, MouseButton which) {
    if (!button.Enabled || which != MouseButton::kLeft) {
        return;
    }
    button.MouseIsDown = true;
    PaintSkin(button, surface, ButtonSkin::kPressed);
}

void OnMouseMove(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    if (button.State == 1) {
        button.State = 2;
        PaintSkin(button, surface, ButtonSkin::kHighLight);
    }
    if (button.State == 3 && !button.MouseIsDown) {
        button.State = 4;
        PaintSkin(button, surface, ButtonSkin::kHighLightSelect);
    }
}

void OnMouseUp(CommandButton& button, CommandSurface& surface, MouseButton which,
               bool pointerOverButton) {
    if (!button.Enabled || which != MouseButton::kLeft) {
        return;
    }
    const bool pressedHere = button.MouseIsDown;
    button.MouseIsDown = false;
    if (!pointerOverButton) {
        // Released away: the face the poll would show a moment later, and no click.
        PointerLeft(button, surface);
        return;
    }
    if (button.State == 2) {
        PaintSkin(button, surface, ButtonSkin::kNormal);
    }
    if (button.State == 4) {
        PaintSkin(button, surface, ButtonSkin::kHighLightSelect);
    }
    if (pressedHere && button.State != 3) {
        surface.Click();
    }
}

void OnPointerTimer(CommandButton& button, CommandSurface& surface, bool pointerOverButton) {
    if (!pointerOverButton) {
        PointerLeft(button, surface);
    }
}

void OnResize(CommandButton& button, CommandSurface& surface) {
    ShowEnabledState(button, surface);
}

void OnKeyPress(CommandButton& button, CommandSurface& surface) {
    if (button.Enabled) {
        surface.Click();
    }
}

}  // namespace altostrat
