#include "player_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace vintrel {
namespace {

const char* const PlayersKey = "players/computer";
const char* const StrengthKey = "players/level";
const char* const PlayersValues[] = {"none", "blue", "red", "both"};

std::optional<int> PlayersNamed(const QString& name) {
    for (int value : {TwoPlayers, ComputerBlue, ComputerRed, ComputerBoth})
        if (name == QLatin1String(PlayersValues[value])) return value;
    return std::nullopt;
}

}  // namespace

QSettings UserSettings() { return QSettings(QStringLiteral("vintrel"), QStringLiteral("vintrel")); }

PlayerSettings ReadPlayerSettings(const QSettings& settings) {
    PlayerSettings read;
    const std::optional<int> players = PlayersNamed(settings.value(PlayersKey).toString());
    const std::optional<engine::Strength> strength =
        engine::StrengthNamed(settings.value(StrengthKey).toString().toStdString());
    read.players = players.value_or(TwoPlayers);
    read.strength = strength.value_or(engine::Strength::Medium);
    // No file at all is a first start; one that holds anything but both
    // values of ours is rewritten.
    const bool written = QFileInfo(settings.fileName()).size() > 0;
    read.needsRewrite = settings.status() != QSettings::NoError || (written && (!players || !strength));
    return read;
}

void WritePlayers(QSettings& settings, int players) {
    settings.setValue(PlayersKey, QLatin1String(PlayersValues[players]));
}

void WriteStrength(QSettings& settings, engine::Strength strength) {
    const std::string_view name = engine::NameOf(strength);
    settings.setValue(StrengthKey, QString::fromLatin1(name.data(), qsizetype(name.size())));
}

void RewritePlayerSettings(const PlayerSettings& chosen) {
    {
        const QSettings current = UserSettings();
        // Written over, a file QSettings could not parse would keep whatever
        // it made of the junk: the defaults go into a new one.
        if (current.status() == QSettings::FormatError) QFile::remove(current.fileName());
    }
    QSettings settings = UserSettings();
    WritePlayers(settings, chosen.players);
    WriteStrength(settings, chosen.strength);
}

}  // namespace vintrel
