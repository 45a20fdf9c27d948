#include "startup.h"

#include "elements.h"
#include "language.h"
#include "pictures.h"
#include "screen_reader.h"

#include <QApplication>
#include <QTimer>
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

namespace {

// Hands a window the game's icon once its board's first frame is on screen.
// Searching the desktop's icon theme takes a quarter of an X11 start's
// work, more than building the board; the task bar can wait for it a frame.
class IconAfterFirstFrame : public QObject {
public:
    IconAfterFirstFrame(QWidget& window, QWidget& board) : QObject(&window), window_(window) {
        board.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // A timer's turn comes after the frame's own posted work.
            QTimer::singleShot(0, this, [this] {
                window_.setWindowIcon(GameIcon());
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void GiveIconAfterFirstFrame(QWidget& window, QWidget& board) { new IconAfterFirstFrame(window, board); }

QIcon GameIcon() {
    // The desktop's icon theme first, so that the task bar shows the icon
    // the desktop shows for the game everywhere else.
    // One size is decoded at start, the task bar's: the larger ones cost
    // the first frame more than they add to a title bar.
    return QIcon::fromTheme(QStringLiteral("vintrel"), QIcon(QStringLiteral(":/icons/48x48/apps/vintrel.png")));
}

}  // namespace vintrel
