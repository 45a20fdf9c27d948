#include "game_driver.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vintrel::testing {

const PictureFiles& SourcePictures() {
    static const PictureFiles files = [] {
        const PictureSearch search = PictureFiles::locate({QStringLiteral(VINTREL_ASSETS_DIR)});
        if (!search.files) qFatal("%s", qPrintable(search.error));
        return *search.files;
    }();
    return files;
}

GameDriver::GameDriver(const ProgramOptions& options) : GameDriver(SourcePictures(), options) {}

GameDriver::GameDriver(const PictureFiles& pictures, const ProgramOptions& options)
    : pictureFolder_(QFileInfo(pictures.pathOf(Picture::Blank)).path()),
      program_(std::make_unique<Program>(pictures, options)) {
    program_->start();
}

GameDriver::~GameDriver() = default;

ComputerPlayer& GameDriver::computer() {
    if (!program_->computer()) throw std::runtime_error("the program has no computer");
    return *program_->computer();
}

BoardWindow& GameDriver::shown() {
    BoardWindow* window = views().shown();
    if (!window) throw std::runtime_error("no window is shown");
    return *window;
}

void GameDriver::drag(Cell from, Cell to, Qt::MouseButton button) {
    BoardWindow& window = shown();
    dragToPoint(from, window.cell(to).geometry().center(), button);
}

void GameDriver::dragToPoint(Cell from, QPoint boardPoint, Qt::MouseButton button) {
    BoardWindow& window = shown();
    CellBox& source = window.cell(from);
    QWidget* board = source.parentWidget();
    const QPoint start = source.rect().center();
    const QPoint end = source.mapFrom(board, boardPoint);
    QTest::mousePress(&source, button, {}, start);
    if (!window.isDragging()) {
        QTest::mouseRelease(&source, button, {}, start);
        return;
    }
    QTest::mouseMove(&source, (start + end) / 2);
    QTest::mouseMove(&source, end);
    QTest::mouseRelease(&source, button, {}, end);
}

void GameDriver::click(Cell cell, Qt::MouseButton button) {
    QTest::mouseClick(&shown().cell(cell), button);
}

namespace {

// "61-43 16-34" as the moves it names.
std::vector<std::pair<Cell, Cell>> MovesIn(const std::string& moves) {
    std::vector<std::pair<Cell, Cell>> named;
    std::istringstream words(moves);
    std::string move;
    while (words >> move) {
        const auto dash = move.find('-');
        named.emplace_back(Cell(std::stoi(move.substr(0, dash))), Cell(std::stoi(move.substr(dash + 1))));
    }
    return named;
}

}  // namespace

void GameDriver::play(const std::string& moves) {
    for (const auto& [from, to] : MovesIn(moves)) drag(from, to);
}

void GameDriver::key(Qt::Key key) { QTest::keyClick(shown().windowHandle(), key); }

Cell GameDriver::cursor() {
    auto* cell = qobject_cast<CellBox*>(shown().focusWidget());
    return cell ? cell->index() : NoCell;
}

void GameDriver::cursorTo(Cell target) {
    for (int presses = 0; presses < 40; ++presses) {
        const Cell at = cursor();
        if (at == target) return;
        if (at == NoCell) throw std::runtime_error("the focus is not on the board");
        const QPointF way = shown().cellCentre(target) - shown().cellCentre(at);
        if (std::abs(way.y()) > 1)
            key(way.y() < 0 ? Qt::Key_Up : Qt::Key_Down);
        else
            key(way.x() < 0 ? Qt::Key_Left : Qt::Key_Right);
    }
    throw std::runtime_error("the arrow keys did not lead to cell " + std::to_string(target));
}

void GameDriver::playByKeys(const std::string& moves) {
    for (const auto& [from, to] : MovesIn(moves)) {
        cursorTo(from);
        key(Qt::Key_Space);
        cursorTo(to);
        key(Qt::Key_Space);
    }
}

QAction& GameDriver::action(BoardWindow& window, const char* name) {
    auto* found = window.menuBar()->findChild<QAction*>(QLatin1String(name));
    if (!found) throw std::runtime_error(std::string("no menu item ") + name);
    return *found;
}

void GameDriver::trigger(const char* actionName) {
    QAction& item = action(actionName);
    // A disabled item cannot be chosen; a player's click does nothing.
    if (item.isEnabled()) item.trigger();
}

void GameDriver::clickButton(const char* buttonName) {
    QPushButton& target = button(shown(), buttonName);
    QTest::mouseClick(&target, Qt::LeftButton);
}

QLabel& GameDriver::label(BoardWindow& window, const char* name) {
    auto* found = window.findChild<QLabel*>(QLatin1String(name));
    if (!found) throw std::runtime_error(std::string("no label ") + name);
    return *found;
}

QPushButton& GameDriver::button(BoardWindow& window, const char* name) {
    auto* found = window.findChild<QPushButton*>(QLatin1String(name));
    if (!found) throw std::runtime_error(std::string("no button ") + name);
    return *found;
}

QString GameDriver::message() {
    QLabel& info = label(shown(), "lblInfo");
    return info.isHidden() ? QString() : info.text();
}

void GameDriver::arrange(const Position& position, Side toMove) {
    blue();  // both views built, as a player who had looked at both would find them
    model().arrange(position, toMove);
}

namespace {

// The file each picture comes from, written out here rather than taken
// from the program, so that a mix-up of its files shows.
const char* FileOf(Picture picture) {
    switch (picture) {
        case Picture::Blank: return "imBlank.bmp";
        case Picture::Vint1Red: return "imVint1red.bmp";
        case Picture::Vint3Blue: return "imVint3blue.bmp";
        case Picture::Vint1Blue: return "imVint1blue.bmp";
        case Picture::Vint3Red: return "imVint3red.bmp";
        case Picture::Vint1RedCom: return "imVint1redCom.bmp";
        case Picture::Vint3BlueCom: return "imVint3blueCom.bmp";
        case Picture::Vint1BlueCom: return "imVint1blueCom.bmp";
        case Picture::Vint3RedCom: return "imVint3redCom.bmp";
    }
    return "?";
}

// "imVint1red.bmp" on a screen of twice the pixels is "imVint1red@2x.bmp".
QString VersionFor(const char* file, int scale) {
    QString name = QString::fromLatin1(file);
    if (scale > 1) name.insert(name.lastIndexOf('.'), QStringLiteral("@%1x").arg(scale));
    return name;
}

// The device pixels of a box that a cell paints from its picture; its
// corners show the grid and the frame beneath.
bool InsideDiamond(int x, int y, int scale) {
    return std::abs((x + 0.5) / scale - 12.5) + std::abs((y + 0.5) / scale - 12.5) <= 22;
}

}  // namespace

std::vector<Cell> GameDriver::AllCells() {
    std::vector<Cell> all;
    for (Cell i = 0; i < CellCount; ++i) all.push_back(i);
    return all;
}

Complaints GameDriver::cellsPaintedWrongly(BoardWindow& window, const std::vector<Cell>& cells) const {
    const QPixmap grabbed = window.centralWidget()->grab();
    const int scale = int(grabbed.devicePixelRatio());
    if (scale != grabbed.devicePixelRatio() || scale > 3)
        return {"no picture version is drawn for a device pixel ratio of " + std::to_string(grabbed.devicePixelRatio())};
    const QImage screen = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QString, QImage> files;
    Complaints complaints;
    for (Cell i : cells) {
        const CellBox& cell = window.cell(i);
        if (cell.isHidden() || !cell.picture()) continue;
        const QString name = VersionFor(FileOf(*cell.picture()), scale);
        if (!files.contains(name))
            files[name] = QImage(QDir(pictureFolder_).filePath(name)).convertToFormat(QImage::Format_RGB32);
        const QImage& file = files[name];
        if (file.size() != QSize(25, 25) * scale) {
            complaints.push_back("cell " + std::to_string(i) + ": no picture of its size in " + name.toStdString());
            continue;
        }
        const QPoint corner = cell.pos() * scale;
        int differing = 0, inside = 0;
        for (int y = 0; y < 25 * scale; ++y)
            for (int x = 0; x < 25 * scale; ++x) {
                if (!InsideDiamond(x, y, scale)) continue;
                ++inside;
                differing += screen.pixel(corner + QPoint(x, y)) != file.pixel(x, y);
            }
        if (differing > 0)
            complaints.push_back("cell " + std::to_string(i) + " is not " + name.toStdString() + ": " +
                                 std::to_string(differing) + " of " + std::to_string(inside) +
                                 " pixels differ");
    }
    return complaints;
}

}  // namespace vintrel::testing
