// Who plays and at which level, as kept between runs in the user's
// settings file. Written by the program, but read as a stranger's file:
// anything it does not know reads as the default.
#pragma once

#include "levels.h"

class QSettings;

namespace vintrel {

// The choices of who plays, as the Players menu and the settings number them.
inline constexpr int TwoPlayers = 0, ComputerBlue = 1, ComputerRed = 2, ComputerBoth = 3;

struct PlayerSettings {
    int players = TwoPlayers;
    engine::Strength strength = engine::Strength::Medium;
    // The file held something other than a value of ours, or nothing.
    bool needsRewrite = false;
};

// The standard place for a user's settings: ~/.config/vintrel/vintrel.conf.
QSettings UserSettings();
PlayerSettings ReadPlayerSettings(const QSettings& settings);
void WritePlayers(QSettings& settings, int players);
void WriteStrength(QSettings& settings, engine::Strength strength);
// Writes `chosen` over a user's settings file that needs it, even one of junk.
void RewritePlayerSettings(const PlayerSettings& chosen);

}  // namespace vintrel
