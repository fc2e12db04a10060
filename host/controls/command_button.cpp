#include "host/controls/command_button.h"

namespace altostrat {

namespace {

void ShowCaptionEnabled(CommandButton& button, CommandSurface& surface, bool enabled) {
    button.captionEnabled = enabled;
    surface.SetCaptionEnabled(enabled);
}

}  // namespace

void Initialize(CommandButton& button) {
    button.State = ButtonState::kNormal;
    button.pointerTimerOn = true;
}

void PaintSkin(CommandButton& button, CommandSurface& surface, ButtonSkin skin) {
    // Hovering without the focus runs the gradient the other way; HighLightSelect keeps
    // whichever way it had.
    if (button.State == ButtonState::kNormal || button.State == ButtonState::kSelected) {
        button.ReverseGradient = false;
    } else if (button.State == ButtonState::kHighLight) {
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
    if (button.State == ButtonState::kHighLight) {
        button.State = ButtonState::kNormal;
        PaintSkin(button, surface, ButtonSkin::kNormal);
    } else if (button.State == ButtonState::kHighLightSelect) {
        button.State = ButtonState::kSelected;
        PaintSkin(button, surface, ButtonSkin::kSelected);
    }
}

void SetEnabled(CommandButton& button, CommandSurface& surface, bool enabled) {
    button.Enabled = enabled;
    surface.PropertyChanged();
    ShowEnabledState(button, surface);
}

void OnFocusReceived(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    if (button.State != ButtonState::kHighLight) {
        button.State = ButtonState::kSelected;
        PaintSkin(button, surface, ButtonSkin::kSelected);
    } else {
        button.State = ButtonState::kHighLightSelect;
        PaintSkin(button, surface, ButtonSkin::kPressed);
    }
}

void OnFocusLost(CommandButton& button, CommandSurface& surface) {
    if (!button.Enabled) {
        return;
    }
    if (button.State != ButtonState::kNormal) {
        button.State = ButtonState::kNormal;
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
    if (button.State == ButtonState::kNormal) {
        button.State = ButtonState::kHighLight;
        PaintSkin(button, surface, ButtonSkin::kHighLight);
    }
    if (button.State == ButtonState::kSelected && !button.MouseIsDown) {
        button.State = ButtonState::kHighLightSelect;
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
    if (button.State == ButtonState::kHighLight) {
        PaintSkin(button, surface, ButtonSkin::kNormal);
    }
    if (button.State == ButtonState::kHighLightSelect) {
        PaintSkin(button, surface, ButtonSkin::kHighLightSelect);
    }
    if (pressedHere && button.State != ButtonState::kSelected) {
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
