// What makes the red view and the blue view differ. The two are one window
// class; everything else about them is the same.
#pragma once

#include "layout.h"
#include "pictures.h"

#include <array>
#include <span>

namespace vintrel {

struct MenuItemSpec {
    const char* name;
    const char* text;
};

struct ViewTable {
    const char* formName;
    const char* caption;
    const char* cellArrayName;
    // The blue view draws cell i where the red view draws cell 99 - i.
    bool turnedHalfRound;

    Picture redMan;
    Picture blueMan;
    Picture redManCommitted;
    Picture blueManCommitted;

    layout::Rgb frameColour;
    std::array<layout::TwipLine, 4> frame;  // lnBlack
    std::span<const layout::TwipRect> background;  // lblBG

    MenuItemSpec otherViewItem;
    bool otherViewItemEnabledAtCreation;
    const char* resetItemText;
    const char* resetButtonToolTip;

    std::array<layout::ControlSpec, 4> panels;   // lblInfo, lblRules, lblOVER, lblabout
    std::array<layout::ControlSpec, 4> buttons;  // cmdShowCom, cmdReset, cmdHideRules, cmdokabout(1)
    std::span<const layout::StackRun> stacking;  // front to back
};

extern const ViewTable RedView;
extern const ViewTable BlueView;

}  // namespace vintrel
