// The marks a player may have drawn on the board: the last move, where a
// held man may go, the cells' numbers. Each is off until chosen in the
// View menu of either view, and is kept between runs.
#pragma once

#include "elements.h"
#include "game.h"
#include "targets.h"

#include <QObject>

#include <array>

class QSettings;

namespace vintrel {

class BoardWindow;

enum class Marker { LastMove, Targets, Numbers };
inline constexpr std::array AllMarkers{Marker::LastMove, Marker::Targets, Marker::Numbers};

class MarkerOptions : public QObject {
    Q_OBJECT
public:
    // Read from the user's settings; anything but a value of ours is off.
    MarkerOptions();

    bool shows(Marker marker) const { return shown_[std::size_t(marker)]; }
    // Kept in the user's settings at once.
    void setShown(Marker marker, bool shown);
    // The marker's checkable items in `window`'s View menu, in step with
    // the options, and the window's marks redrawn at each change.
    void addItemsTo(BoardWindow& window);

signals:
    void changed();

private:
    std::array<bool, AllMarkers.size()> shown_{};
};

struct BoardMarks {
    CellSet lastMove;
    CellSet targets;
    bool numbers = false;
    CellMarks of(Cell cell) const;
};

// What each diamond shows of `game` with `options`, the man on `heldFrom`
// held (NoCell for none).
BoardMarks MarksOf(const Game& game, Cell heldFrom, const MarkerOptions& options);

}  // namespace vintrel
