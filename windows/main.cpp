#include "pictures.h"
#include "view_pair.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Qt's own event loop rather than glib's: glib's makes a system call for
    // every event posted, and showing a board window posts one for each of
    // its widgets. The game needs nothing of glib.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vintrel"));
    // No display name: Qt would append it to every window's caption.
    QApplication::setDesktopFileName(QStringLiteral("vintrel"));
    // The board's colours are part of the game: keep them whatever the desktop theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    vintrel::LimitPictureMemory();

    const auto search = vintrel::PictureFiles::locate(vintrel::PictureFiles::searchFolders());
    for (const QString& note : search.notes) std::fprintf(stderr, "vintrel: %s\n", qPrintable(note));
    if (!search.files) {
        std::fprintf(stderr, "vintrel: %s\n", qPrintable(search.error));
        QMessageBox::critical(nullptr, QStringLiteral("VINTREL"), search.error);
        return 2;
    }

    vintrel::ViewPair views(*search.files);
    QObject::connect(&views, &vintrel::ViewPair::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    views.start();
    return app.exec();
}
