// "VINTREL MOVES": a small window beside the board that lists the game's
// moves as they are played, a row a move number, red's move and blue's
// reply side by side. Choosing a move shows the position after it without
// dropping anything; so do the arrow keys, Home and End, in the list and,
// while it is open, in the board windows. Ctrl+C copies the game as text
// and Ctrl+V opens a game pasted in. View > "Move List" shows and hides it.
#pragma once

#include "board.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QShortcut;
class QTableWidget;
class QWidget;

namespace vintrel {

class BoardWindow;
class GameFiles;
class GameModel;
class ViewPair;

class MoveList : public QObject {
    Q_OBJECT
public:
    MoveList(ViewPair& views, GameModel& model, GameFiles& files);
    ~MoveList() override;

    QWidget& window();
    QTableWidget& table();
    // The button under the list that asks for an analysis of the game.
    void setAnalyse(std::function<void()> analyse) { analyse_ = std::move(analyse); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void attach(BoardWindow& window);
    void setShown(bool shown);
    void follow();
    void markShown();
    void chosen(int row, int column);
    bool browseByKey(int key);
    void copyGame() const;
    void pasteGame();

    ViewPair& views_;
    GameModel& model_;
    GameFiles& files_;
    std::unique_ptr<QWidget> window_;
    QTableWidget* table_ = nullptr;
    std::function<void()> analyse_;
    QList<QPointer<QAction>> items_;
    // The board windows' keys for browsing, live while the list is shown.
    QList<QPointer<QShortcut>> browseKeys_;
};

}  // namespace vintrel
