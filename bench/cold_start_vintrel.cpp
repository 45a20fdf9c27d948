// The game's own start-up, as windows/main.cpp makes it, ended right after
// the red view's first frame.
#include "first_paint.h"
#include "program.h"
#include "startup.h"
#include "board_window.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    vintrel::bench::NoteMainEntered();
    vintrel::PrepareApplication();
    QApplication app(argc, argv);
    vintrel::ConfigureApplication();

    const auto search = vintrel::PictureFiles::locate(vintrel::PictureFiles::searchFolders());
    if (!search.files) {
        std::fprintf(stderr, "cold_start_vintrel: %s\n", qPrintable(search.error));
        return 2;
    }
    vintrel::Program program(*search.files, {});
    vintrel::bench::ExitAfterFirstPaint(*program.views().red().centralWidget());
    program.start();
    return app.exec();
}
