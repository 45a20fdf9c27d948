#include "view_table.h"

#include <QtGlobal>

// The texts a player reads are marked for translation here and translated
// where the window shows them.

namespace vintrel {
namespace {

using layout::ControlSpec;
using layout::Rgb;
using layout::StackRun;
using layout::TwipRect;

constexpr const char* RedRules =
    QT_TRANSLATE_NOOP("vintrel::BoardWindow",
    "Beginning the game:  Each player has men on the thirteen diamonds in his corner before play "
    "begins. The red color always plays first. Winning the game:  Be the first player to place any "
    "of your men on your opponent's cornermost diamond  or eliminate by capture all thirteen of your "
    "opponent's men.  Movement of the men:  A man may be moved in a forward, diagonal, or sideward "
    "direction either one or two diamonds. A man may not be moved in a backward direction.  The "
    "range of movement (or simply the \"range\") consists of ten diamonds.  Exception: A man may not "
    "be moved onto the top of another man of the same color; men cannot be stacked. However a man "
    "can jump over another man of the same color.  Capture and Commitment:  In the game of VINTREL, "
    "a player must capture his opponent's man if it is possible. If any player places a man within "
    "the range of any of his opponent's men, then that player has committed his man to be captured "
    "on his opponent's next turn. Capture does NOT take place by jumping as in CHECKERS, but rather "
    "by occupying the same diamond as the captured man as in CHESS. It often happens that a man may "
    "be captured by more than one of a player's men. Then the player may choose any of these men "
    "with which to capture, as long as he does capture.  ");

constexpr const char* BlueRules =
    QT_TRANSLATE_NOOP("vintrel::BoardWindow",
    "Beginning the game:  Each player has men on the thirteen diamonds in his corner before play "
    "begins. The red color always plays first. Winning the game:  Be the first player to place any "
    "of your men on your opponent's cornermost diamond  or eliminate by capture all thirteen of your "
    "opponent's men.  Movement of the men:  A man may be moved in a forward, diagonal, or sideward "
    "direction either one or two diamonds. A man may not be moved in a backward direction.  The "
    "range of movement (or simply the \"range\") consists of ten diamonds.  Exception: A man may not "
    "be moved onto the top of another man of the same color; men cannot be stacked. However a man "
    "can jump over another man of the same color.  Capture and Commitment:  In the game of Vintrel, "
    "a player must capture his opponent's man if it is possible. Capture does NOT take place by "
    "jumping as in CHECKERS, but rather by occupying the same diamond as the captured man as in "
    "CHESS.  If any player places a man within the range of any of his opponent's men, then that "
    "player has committed his man to be captured by his opponent on his opponent's next turn. It "
    "often happens that an opponent may capture with more than one of his men. Then he may choose "
    "any of these men with which to capture, as long as he does capture.");

constexpr const char* AboutText =
    QT_TRANSLATE_NOOP("vintrel::BoardWindow",
    "VINTREL\n\nA game of diamonds for two players at one screen.\n\n"
    "Drag a man with the mouse; land on an opponent's man to capture it.");

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment Middle = Qt::AlignCenter;

constexpr layout::FontSpec Arial(qreal points, bool bold = false) { return {"Arial", points, bold}; }

constexpr ControlSpec InfoPanel{"lblInfo", "", {8040, 480, 3615, 855}, {255, 128, 0}, Arial(14.25, true), Centred};
constexpr ControlSpec AboutPanel{"lblabout", AboutText, {120, 5160, 2160, 2280}, {200, 200, 255}, Arial(9), Centred};
constexpr ControlSpec RulesPanel(TwipRect place, const char* rules) {
    return {"lblRules", rules, place, {255, 255, 0}, Arial(8.25), Left};
}
constexpr ControlSpec GameOverPanel(TwipRect place) {
    return {"lblOVER", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "GAME OVER!!"), place, {0, 255, 0}, {"MS Sans Serif", 18, true}, Centred};
}

constexpr ControlSpec ShowComButton{"cmdShowCom", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "Show Committment"), {9000, 1800, 1935, 375}, {255, 224, 192}, Arial(9.75), Middle};
constexpr ControlSpec ResetButton{"cmdReset", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "RESET"), {9240, 6720, 1455, 375}, {0, 255, 0}, Arial(8.25), Middle};
constexpr ControlSpec AboutOkButton{"cmdokabout(1)", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "O K"), {960, 7560, 1095, 495}, {128, 128, 255}, Arial(12, true), Middle};
constexpr ControlSpec HideRulesButton(TwipRect place) {
    return {"cmdHideRules", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "Hide Rules"), place, {192, 192, 0}, Arial(8.25), Middle};
}

constexpr std::array<TwipRect, 14> RedBackground = {{
    {8640, -120, 6615, 10935}, {8400, 5040, 2415, 3375}, {7200, 6120, 1455, 2175},
    {6480, 6840, 1935, 3975},  {1080, 6240, 1455, 3495}, {-120, -360, 1335, 10095},
    {2160, 6840, 1095, 2415},  {7080, -600, 1575, 2655}, {-120, -360, 7695, 855},
    {840, 480, 1815, 1455},    {0, 8400, 15255, 3975},   {2400, 7800, 1215, 1335},
    {5160, 8280, 2535, 615},   {4200, 8280, 1095, 855},
}};

constexpr std::array<TwipRect, 16> BlueBackground = {{
    {8640, 0, 6615, 10815},   {8400, 5040, 2415, 3375}, {7200, 6120, 1455, 2175},
    {6480, 6840, 2535, 3975}, {1080, 6240, 1455, 4575}, {-120, -360, 1335, 11175},
    {2160, 6840, 1095, 1575}, {7080, -600, 1575, 2655}, {-120, -360, 7695, 855},
    {840, 480, 1815, 1455},   {9120, 8400, 1455, 2655}, {6960, 8640, 1455, 2655},
    {5400, 8160, 7455, 3015}, {3240, 8040, 495, 2775},  {3480, 8400, 1815, 2895},
    {3840, 8280, 1815, 2655},
}};

constexpr std::array<StackRun, 16> RedStacking = {{
    {"Line3"}, {"Line2"}, {"Line1"}, {"lblabout"}, {"lblBG", 13, 10}, {"lblRules"},
    {"lblOVER"}, {"lblInfo"}, {"lnBlack", 3, 0}, {"lblBG", 9, 9}, {"lnColor", 3, 3},
    {"lblBG", 8, 5}, {"lnColor", 2, 0}, {"lblBG", 4, 0}, {"lnlin", 10, 0}, {"lnin", 10, 0},
}};

constexpr std::array<StackRun, 16> BlueStacking = {{
    {"Line1"}, {"Line2"}, {"Line3"}, {"lblBG", 15, 10}, {"lblabout"}, {"lblRules"},
    {"lblOVER"}, {"lblInfo"}, {"lnBlack", 3, 0}, {"lnin", 0, 10}, {"lnlin", 0, 10},
    {"lblBG", 0, 4}, {"lnColor", 0, 2}, {"lblBG", 5, 8}, {"lnColor", 3, 3}, {"lblBG", 9, 9},
}};

}  // namespace

const ViewTable RedView{
    .formName = "frmVint",
    .caption = QT_TRANSLATE_NOOP("vintrel::BoardWindow", "VINTREL RED VIEW"),
    .cellArrayName = "pbVintrv",
    .turnedHalfRound = false,
    .redMan = Picture::Vint1Red,
    .blueMan = Picture::Vint3Blue,
    .redManCommitted = Picture::Vint1RedCom,
    .blueManCommitted = Picture::Vint3BlueCom,
    .frameColour = {255, 0, 0},
    .frame = {{{840, 4080, 4800, 120}, {5040, 8040, 8880, 4200},
               {8880, 4080, 4920, 120}, {840, 4200, 4680, 8040}}},
    .background = RedBackground,
    .otherViewItem = {"mnuBlue", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "&Blue View")},
    .otherViewItemEnabledAtCreation = true,
    .resetItemText = QT_TRANSLATE_NOOP("vintrel::BoardWindow", "Reset &Pieces"),
    .resetButtonToolTip = QT_TRANSLATE_NOOP("vintrel::BoardWindow", "New"),
    .panels = {InfoPanel, RulesPanel({8520, 720, 3180, 7155}, RedRules),
               GameOverPanel({8760, 6000, 2535, 495}), AboutPanel},
    .buttons = {ShowComButton, ResetButton, HideRulesButton({9600, 7560, 1695, 255}), AboutOkButton},
    .stacking = RedStacking,
};

const ViewTable BlueView{
    .formName = "frmVintbv",
    .caption = QT_TRANSLATE_NOOP("vintrel::BoardWindow", "VINTREL BLUE VIEW"),
    .cellArrayName = "pbVintbv",
    .turnedHalfRound = true,
    .redMan = Picture::Vint3Red,
    .blueMan = Picture::Vint1Blue,
    .redManCommitted = Picture::Vint3RedCom,
    .blueManCommitted = Picture::Vint1BlueCom,
    .frameColour = {0, 0, 192},
    .frame = {{{840, 4080, 4920, 0}, {4920, 8160, 8880, 4200},
               {8880, 4080, 4800, 0}, {4800, 8160, 840, 4200}}},
    .background = BlueBackground,
    .otherViewItem = {"mnuRed", QT_TRANSLATE_NOOP("vintrel::BoardWindow", "&Red View")},
    .otherViewItemEnabledAtCreation = false,
    .resetItemText = QT_TRANSLATE_NOOP("vintrel::BoardWindow", "&Reset Pieces"),
    .resetButtonToolTip = "",
    .panels = {InfoPanel, RulesPanel({8520, 720, 3135, 7215}, BlueRules),
               GameOverPanel({8640, 5880, 2535, 495}), AboutPanel},
    .buttons = {ShowComButton, ResetButton, HideRulesButton({9600, 7560, 1575, 255}), AboutOkButton},
    .stacking = BlueStacking,
};

}  // namespace vintrel
