// The red view and the blue view: which one is shown, the turn they share,
// and the program's end.
#pragma once

#include "board.h"
#include "pictures.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace vintrel {

class BoardWindow;

class ViewPair : public QObject {
    Q_OBJECT
public:
    explicit ViewPair(const PictureFiles& pictures);
    ~ViewPair() override;

    // Loads the red view with a new game and shows it.
    void start();

    BoardWindow& red() const { return *red_; }
    // Built when first needed: until the first move or change of view the
    // red view's cells are the whole game.
    BoardWindow& blue() const;
    BoardWindow& twinOf(const BoardWindow& window) const;
    // The windows built so far.
    std::vector<BoardWindow*> builtWindows() const;
    bool hasBlueView() const { return blue_ != nullptr; }
    // Calls `attach` with each window built and, later, with the blue view
    // when it is built, for as long as `owner` lives.
    void forEachWindow(QObject* owner, std::function<void(BoardWindow&)> attach);
    // The window on screen, or nullptr once the program has ended.
    BoardWindow* shown() const;

    // Between these two, the moves that stand are a game being replayed,
    // not played: whoever tells or keeps each move as it comes waits for
    // the end, which comes with its news.
    void beginReplay() { replaying_ = true; }
    void endReplay(const QString& news);
    bool isReplaying() const { return replaying_; }

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
    // "Game opened: 23 moves, blue to move"
    void replayEnded(const QString& news);

private:
    void showView(BoardWindow& window);

    struct Attachment {
        QPointer<QObject> owner;
        std::function<void(BoardWindow&)> attach;
    };

    const PictureFiles& pictures_;
    std::vector<Attachment> attachments_;
    std::unique_ptr<BoardWindow> red_;
    mutable std::unique_ptr<BoardWindow> blue_;
    bool blueLoadDue_ = false;
    Side sharedTurnRecord_ = Side::Red;
    bool unloading_ = false;
    bool replaying_ = false;
};

}  // namespace vintrel
