// The game's own start-up, ended right after the red view's first frame.
// Keep the start-up steps in step with windows/main.cpp.
#include "first_paint.h"
#include "board_window.h"
#include "pictures.h"
#include "view_pair.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    vintrel::bench::NoteMainEntered();
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vintrel"));
    QApplication::setDesktopFileName(QStringLiteral("vintrel"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    vintrel::LimitPictureMemory();

    const auto search = vintrel::PictureFiles::locate(vintrel::PictureFiles::searchFolders());
    if (!search.files) {
        std::fprintf(stderr, "cold_start_vintrel: %s\n", qPrintable(search.error));
        return 2;
    }
    vintrel::ViewPair views(*search.files);
    vintrel::bench::ExitAfterFirstPaint(*views.red().centralWidget());
    views.start();
    return app.exec();
}
