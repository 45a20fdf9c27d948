#include "markers.h"

#include "board_window.h"
#include "player_settings.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace vintrel {
namespace {

struct MarkerItem {
    const char* key;
    const char* name;
    const char* text;
};

constexpr std::array<MarkerItem, AllMarkers.size()> Items{{
    {"markers/lastMove", "mnuShowLastMove", QT_TRANSLATE_NOOP("vintrel::MarkerOptions", "Show &Last Move")},
    {"markers/targets", "mnuShowTargets", QT_TRANSLATE_NOOP("vintrel::MarkerOptions", "Show &Targets")},
    {"markers/numbers", "mnuShowNumbers", QT_TRANSLATE_NOOP("vintrel::MarkerOptions", "Show Cell &Numbers")},
}};

const MarkerItem& ItemOf(Marker marker) { return Items[std::size_t(marker)]; }

const QString On = QStringLiteral("on"), Off = QStringLiteral("off");

}  // namespace

MarkerOptions::MarkerOptions() {
    const QSettings settings = UserSettings();
    for (Marker marker : AllMarkers) shown_[std::size_t(marker)] = settings.value(ItemOf(marker).key).toString() == On;
}

void MarkerOptions::setShown(Marker marker, bool shown) {
    if (shows(marker) == shown) return;
    shown_[std::size_t(marker)] = shown;
    QSettings settings = UserSettings();
    settings.setValue(ItemOf(marker).key, shown ? On : Off);
    emit changed();
}

void MarkerOptions::addItemsTo(BoardWindow& window) {
    window.menu(BoardWindow::Menu::View).addSeparator();
    for (Marker marker : AllMarkers) {
        QAction* item = window.addMenuItem(BoardWindow::Menu::View, ItemOf(marker).name, tr(ItemOf(marker).text), {});
        item->setCheckable(true);
        item->setChecked(shows(marker));
        connect(item, &QAction::triggered, this, [this, marker](bool checked) { setShown(marker, checked); });
        connect(this, &MarkerOptions::changed, item, [this, item, marker] { item->setChecked(shows(marker)); });
    }
    connect(this, &MarkerOptions::changed, &window, &BoardWindow::drawMarkers);
}

BoardMarks MarksOf(const Game& game, Cell heldFrom, const MarkerOptions& options) {
    BoardMarks marks;
    if (options.shows(Marker::LastMove) && !game.moves().empty())
        marks.lastMove.set(std::size_t(game.moves().back().from)).set(std::size_t(game.moves().back().to));
    if (options.shows(Marker::Targets)) marks.targets = TargetsOf(game, heldFrom);
    marks.numbers = options.shows(Marker::Numbers);
    return marks;
}

CellMarks BoardMarks::of(Cell cell) const {
    return {lastMove[std::size_t(cell)], targets[std::size_t(cell)], numbers};
}

}  // namespace vintrel
