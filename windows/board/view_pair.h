// The red view and the blue view of the one game: which one is shown, how
// a change of the game reaches them, and the program's end.
#pragma once

#include "board.h"
#include "game.h"
#include "markers.h"
#include "pictures.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vintrel {

class BoardWindow;
class GameModel;

class ViewPair : public QObject {
    Q_OBJECT
public:
    // Draws `model`, which must outlive the pair: the pair listens to it
    // before anyone else, so that whoever follows the game finds the views
    // already showing each change.
    ViewPair(GameModel& model, const PictureFiles& pictures);
    ~ViewPair() override;

    GameModel& model() const { return model_; }
    MarkerOptions& markers() { return markers_; }
    // The side the computer plays against a player, if any: an opened game
    // is shown in the player's view.
    void setComputerSide(std::function<std::optional<Side>()> computerSide) {
        computerSide_ = std::move(computerSide);
    }

    // Loads the red view with a new game and shows it.
    void start();

    BoardWindow& red() const { return *red_; }
    // Built when first needed: until the first change of view the red
    // view is the only one.
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

    // Whose turn it is, for both windows alike.
    Side sharedTurnRecord() const;

    void loadBlueView();
    // Brings `next` up to date and shows it in the place of `current`.
    void showInsteadOf(BoardWindow& next, BoardWindow& current);
    // Both windows as new, then a new game in the red view (or the game
    // as it stands, when it has been replaced already).
    void restart(bool withNewGame = true);
    // Brings back the move taken back last, and against the computer its
    // reply with it, as the two went back together.
    void redo();
    // Closes both windows; the program ends.
    void unload();

signals:
    void programEnded();
    // A window came on screen.
    void viewShown(vintrel::BoardWindow& window);

private:
    void showView(BoardWindow& window);
    void drawGame(bool everyCell);
    void moved(DropOutcome outcome);
    void showOpenedGame();
    void showSwitchedTo(BoardWindow& window);
    BoardWindow& viewForOpenedGame(Side lastMover, BoardWindow& onScreen, bool switchOn);

    struct Attachment {
        QPointer<QObject> owner;
        std::function<void(BoardWindow&)> attach;
    };

    GameModel& model_;
    const PictureFiles& pictures_;
    std::function<std::optional<Side>()> computerSide_ = [] { return std::nullopt; };
    std::vector<Attachment> attachments_;
    // Before the windows, which draw with it from their start.
    MarkerOptions markers_;
    std::unique_ptr<BoardWindow> red_;
    mutable std::unique_ptr<BoardWindow> blue_;
    bool blueLoadDue_ = false;
    bool unloading_ = false;
};

}  // namespace vintrel
