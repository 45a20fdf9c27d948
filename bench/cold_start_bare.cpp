// The yardstick for the game's start-up: a bare Qt program with a window of
// the board window's client size and the same menu bar, ended right after
// its first frame.
#include "first_paint.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

namespace {

void AddMenu(QMenuBar& bar, const char* title, std::initializer_list<const char*> items) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(title));
    for (const char* item : items) menu->addAction(QString::fromLatin1(item));
}

}  // namespace

int main(int argc, char* argv[]) {
    vintrel::bench::NoteMainEntered();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("BARE"));
    auto* client = new QWidget(&window);
    client->setFixedSize(792, 554);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    AddMenu(*window.menuBar(), "&Options", {"Reset &Pieces", "&Take Back Last Move", "E&xit"});
    AddMenu(*window.menuBar(), "&View", {"&Blue View", "&Switch Automatically"});
    AddMenu(*window.menuBar(), "&Help", {"No Help", "&About Vintrel"});
    window.menuBar()->addAction(QStringLiteral("R&ules"));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    vintrel::bench::ExitAfterFirstPaint(*client);
    window.show();
    return app.exec();
}
