#include "application.h"

#include "language.h"
#include "board_window.h"

#include <QApplication>
#include <QLocale>

namespace vintrel {

void PrepareApplication() {
    // Qt's own event loop rather than glib's: glib's makes a system call for
    // every event posted, and showing a board window posts one for each of
    // its widgets. The game needs nothing of glib.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
}

void ConfigureCommandLine() {
    QCoreApplication::setApplicationName(QStringLiteral("vintrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VINTREL_VERSION));
    // Before any window is built: each takes its texts when it is made.
    SpeakLanguage(ChosenLanguage(QLocale::system().uiLanguages()));
}

void ConfigureApplication() {
    ConfigureCommandLine();
    // No display name: Qt would append it to every window's caption.
    QApplication::setDesktopFileName(QStringLiteral("vintrel"));
    // The board's colours are part of the game: keep them whatever the desktop theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The windows end the program themselves, both at once.
    QApplication::setQuitOnLastWindowClosed(false);
    LimitPictureMemory();
    InstallCellAccessibility();
}

Program::Program(const PictureFiles& pictures, std::uint64_t seed)
    : views_(pictures),
      computer_(views_, seed),
      games_(views_, [this] { return computer_.soleSide(); }, [this](Side side) { return playerName(side); }) {
    views_.forEachWindow(&views_, [](BoardWindow& window) { window.setWindowIcon(GameIcon()); });
}

// As a game's record names them: "Player", "Computer (Hard)".
std::string Program::playerName(Side side) {
    if (!computer_.plays(side)) return "Player";
    QString level = QString::fromLatin1(engine::NameOf(computer_.menu().strength()));
    level[0] = level[0].toUpper();
    return QStringLiteral("Computer (%1)").arg(level).toStdString();
}

QIcon GameIcon() {
    // The desktop's icon theme first, so that the task bar shows the icon
    // the desktop shows for the game everywhere else.
    QIcon builtIn;
    for (int size : {48, 256})
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/apps/vintrel.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("vintrel"), builtIn);
}

}  // namespace vintrel
