// Any bytes as the user's settings file. The players and the level read
// back as values the Players menu offers: those the file holds, or the
// defaults.
#include "player_settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vintrel;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "settings_fuzz: %s\n", what);
    std::abort();
}

// A new name for every input: QSettings keeps files it has read, and may
// take a file rewritten within the same instant for the one it knows.
QString NewSettingsFile() {
    static QTemporaryDir folder;
    static long inputs = 0;
    if (!folder.isValid()) Fail("no scratch folder for the settings file");
    return folder.filePath(QStringLiteral("vintrel-%1.conf").arg(++inputs));
}

void Write(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        Fail("the settings file could not be written");
}

void CheckValid(const PlayerSettings& read) {
    if (read.players < TwoPlayers || read.players > ComputerBoth) Fail("players out of the menu's choices");
    if (int(read.strength) < int(engine::Strength::Easy) || int(read.strength) > int(engine::Strength::Hard))
        Fail("a level out of the menu's choices");
    if (engine::StrengthNamed(engine::NameOf(read.strength)) != read.strength) Fail("a level without its name");
}

// A value of ours in the file other than the one read is one the menu
// does not offer: the file must be rewritten.
void CheckRewriteAsked(const QSettings& file, const PlayerSettings& read, const QString& scratch) {
    QSettings ours(scratch, QSettings::IniFormat);
    WritePlayers(ours, read.players);
    WriteStrength(ours, read.strength);
    for (const QString& key : ours.allKeys())
        if (file.contains(key) && file.value(key).toString() != ours.value(key).toString() && !read.needsRewrite)
            Fail("a value the menu does not offer kept in the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = NewSettingsFile();
    Write(path, data, size);
    const QSettings file(path, QSettings::IniFormat);
    const PlayerSettings read = ReadPlayerSettings(file);
    CheckValid(read);
    const QString scratch = NewSettingsFile();
    CheckRewriteAsked(file, read, scratch);
    QFile::remove(scratch);
    if (read.needsRewrite) {
        // What the program writes back must read as itself.
        {
            QFile::remove(path);
            QSettings settings(path, QSettings::IniFormat);
            WritePlayers(settings, read.players);
            WriteStrength(settings, read.strength);
        }
        const PlayerSettings again = ReadPlayerSettings(QSettings(path, QSettings::IniFormat));
        if (again.needsRewrite || again.players != read.players || again.strength != read.strength)
            Fail("the defaults written back do not read as themselves");
    }
    QFile::remove(path);
    return 0;
}
