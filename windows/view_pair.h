// The red view and the blue view: which one is shown, the turn they share,
// and the program's end.
#pragma once

#include "board.h"
#include "pictures.h"

#include <QObject>

#include <memory>

namespace vintrel {

class Announcer;
class BoardCursor;
class BoardWindow;

class ViewPair : public QObject {
    Q_OBJECT
public:
    explicit ViewPair(const PictureFiles& pictures);
    ~ViewPair() override;

    // Loads the red view with a new game and shows it.
    void start();

    BoardWindow& red() const { return *red_; }
    BoardWindow& blue() const { return *blue_; }
    BoardWindow& twinOf(const BoardWindow& window) const;
    // The window on screen, or nullptr once the program has ended.
    BoardWindow* shown() const;

    // Whose turn it is, for both windows alike.
    Side sharedTurnRecord() const { return sharedTurnRecord_; }
    void setSharedTurnRecord(Side side) { sharedTurnRecord_ = side; }

    void loadBlueView();
    // Brings `next` up to date and shows it in the place of `current`.
    void showInsteadOf(BoardWindow& next, BoardWindow& current);
    // Both windows as new, then a new game in the red view.
    void restart();
    // Closes both windows; the program ends.
    void unload();

signals:
    void programEnded();

private:
    void showView(BoardWindow& window);

    std::unique_ptr<BoardWindow> red_;
    std::unique_ptr<BoardWindow> blue_;
    // The cursor before the announcer: a move's news goes to the diamond
    // the cursor has just been taken to.
    std::unique_ptr<BoardCursor> cursor_;
    std::unique_ptr<Announcer> announcer_;
    Side sharedTurnRecord_ = Side::Red;
    bool unloading_ = false;
};

}  // namespace vintrel
