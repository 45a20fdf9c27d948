// What a screen reader follows: the diamonds as buttons named by what
// stands on them, whose turn it is, and the game's news as it happens.
#pragma once

#include "board.h"
#include "game.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace vintrel {

class BoardWindow;
class GameModel;
class ViewPair;

// Before any board window exists: a diamond reads as a button, and a man
// held is part of its name, "cell 61, red man, held".
void InstallCellAccessibility();

// Keeps each window's accessible description on whose turn it is, and
// tells the refusals, the moves that bring a view up and the end of the
// game as descriptions of whatever holds the focus, which is what a screen
// reader watches.
class Announcer : public QObject {
    Q_OBJECT
public:
    explicit Announcer(ViewPair& pair);

    // Tells `news` as the description of whatever holds `window`'s focus:
    // other windows' news, such as an analysis finished, goes this way too.
    void tell(QWidget& window, const QString& news);

signals:
    // A piece of news was given to the screen reader.
    void told(const QString& news);

private:
    // News of a game opened, told in the view on screen.
    void tellOpenedGame();
    void describeTurn(BoardWindow& window);
    void tellMove(Side mover, const PlayedMove& move);
    void forgetNews();

    ViewPair& pair_;
    GameModel& model_;
    // The widget whose description carries the latest news.
    QPointer<QWidget> newsHolder_;
};

}  // namespace vintrel
