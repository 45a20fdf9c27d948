// "VINTREL MOVES": a small window beside the board that lists the game's
// moves as they are played, the last one current. Choosing an earlier one
// goes back to the position after it; Ctrl+C copies the game as text and
// Ctrl+V opens a game pasted in. View > "Move List" shows and hides it.
#pragma once

#include "board.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QListWidget;
class QWidget;

namespace vintrel {

class BoardWindow;
class GameFiles;
class GameModel;
class ViewPair;

class MoveList : public QObject {
    Q_OBJECT
public:
    // `computerSide` says which side the computer plays, if any: going back
    // stops at a position where the player is to move.
    MoveList(ViewPair& views, GameModel& model, GameFiles& files,
             std::function<std::optional<Side>()> computerSide);
    ~MoveList() override;

    QWidget& window();
    QListWidget& list();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void addItem(BoardWindow& window);
    void setShown(bool shown);
    void follow();
    void refill();
    void chosen(int row);
    void copyGame() const;
    void pasteGame();

    ViewPair& views_;
    GameModel& model_;
    GameFiles& files_;
    std::function<std::optional<Side>()> computerSide_;
    std::unique_ptr<QWidget> window_;
    QListWidget* list_ = nullptr;
    QList<QPointer<QAction>> items_;
};

}  // namespace vintrel
