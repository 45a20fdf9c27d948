#include "application.h"

#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char* argv[]) {
    vintrel::PrepareApplication();
    QApplication app(argc, argv);
    vintrel::ConfigureApplication();

    const auto search = vintrel::PictureFiles::locate(vintrel::PictureFiles::searchFolders());
    for (const QString& note : search.notes) std::fprintf(stderr, "vintrel: %s\n", qPrintable(note));
    if (!search.files) {
        std::fprintf(stderr, "vintrel: %s\n", qPrintable(search.error));
        QMessageBox::critical(nullptr, QStringLiteral("VINTREL"), search.error);
        return 2;
    }

    vintrel::Program program(*search.files, QRandomGenerator::global()->generate64());
    QObject::connect(&program.views(), &vintrel::ViewPair::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}
