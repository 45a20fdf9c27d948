#include "view_pair.h"

#include "board_window.h"
#include "game_model.h"
#include "view_table.h"

namespace vintrel {

ViewPair::ViewPair(GameModel& model, const PictureFiles& pictures)
    : model_(model), pictures_(pictures), red_(std::make_unique<BoardWindow>(RedView, *this, pictures)) {
    connect(&model, &GameModel::moved, this, [this](Side, PlayedMove, DropOutcome outcome) { moved(outcome); });
    connect(&model, &GameModel::tookBack, this, [this] { drawGame(false); });
    connect(&model, &GameModel::newGameBegun, this, [this] { drawGame(true); });
    connect(&model, &GameModel::loaded, this, &ViewPair::showOpenedGame);
    connect(&model, &GameModel::browsed, this, [this] {
        for (BoardWindow* window : builtWindows()) window->showBrowsed();
    });
    // The view on screen takes a game set up over as at a switch of view.
    connect(&model, &GameModel::arranged, this, [this] {
        drawGame(true);
        if (BoardWindow* window = shown()) window->Form_Activate();
    });
}

ViewPair::~ViewPair() = default;

void ViewPair::start() {
    red_->Form_Load();
    showView(*red_);
}

BoardWindow& ViewPair::blue() const {
    if (blue_) return *blue_;
    // Nothing has been asked of the blue view before: building it while the
    // red view opens would only hold back the red view's first frame.
    auto& self = const_cast<ViewPair&>(*this);
    blue_ = std::make_unique<BoardWindow>(BlueView, self, pictures_);
    std::erase_if(self.attachments_, [](const Attachment& a) { return !a.owner; });
    for (const Attachment& attachment : std::vector(attachments_)) attachment.attach(*blue_);
    if (blueLoadDue_) {
        blue_->Form_Load();
        blue_->drawCommitmentMarkers();
    }
    return *blue_;
}

BoardWindow& ViewPair::twinOf(const BoardWindow& window) const {
    return &window == red_.get() ? blue() : *red_;
}

std::vector<BoardWindow*> ViewPair::builtWindows() const {
    if (blue_) return {red_.get(), blue_.get()};
    return {red_.get()};
}

void ViewPair::forEachWindow(QObject* owner, std::function<void(BoardWindow&)> attach) {
    for (BoardWindow* window : builtWindows()) attach(*window);
    attachments_.push_back({owner, std::move(attach)});
}

BoardWindow* ViewPair::shown() const {
    for (BoardWindow* window : builtWindows())
        if (window->isVisible()) return window;
    return nullptr;
}

Side ViewPair::sharedTurnRecord() const { return model_.game().toMove(); }

void ViewPair::loadBlueView() {
    blueLoadDue_ = true;
    if (blue_ && !blue_->isLoaded()) blue_->Form_Load();
}

void ViewPair::showInsteadOf(BoardWindow& next, BoardWindow& current) {
    // Both views open in the same place, so a switch reads as the board
    // turning round.
    next.move(current.pos());
    showView(next);
    current.hide();
    current.drawCommitmentMarkers();
}

void ViewPair::showView(BoardWindow& window) {
    // Activation runs before the window appears, so its first frame
    // already shows the game as it stands.
    window.Form_Activate();
    window.show();
    window.raise();
    window.activateWindow();
    emit viewShown(window);
}

void ViewPair::restart(bool withNewGame) {
    // Windows are re-initialised, never destroyed: the handler that asked
    // for the restart is still running in one of them.
    if (blue_) blue_->hide();
    for (BoardWindow* window : builtWindows()) window->restoreCreationState();
    red_->Form_Load(withNewGame);
    showView(*red_);
}

// Every view draws the change; the one not on screen keeps the commitment
// marked for its next activation.
void ViewPair::drawGame(bool everyCell) {
    BoardWindow* onScreen = shown();
    for (BoardWindow* window : builtWindows()) {
        window->drawGame(everyCell);
        if (window != onScreen) window->drawCommitmentMarkers();
    }
}

void ViewPair::moved(DropOutcome outcome) {
    drawGame(false);
    if (BoardWindow* window = shown()) window->answerMove(outcome);
}

namespace {

// What the last move of a game did, as its drop decided it: the corner is
// tested before the men left.
DropOutcome LastOutcome(const Game& game) {
    if (!game.isOver()) return DropOutcome::Moved;
    return game.moves().back().to == WinningCell(game.toMove()) ? DropOutcome::WonByCorner : DropOutcome::WonByCapture;
}

}  // namespace

// An opened game stands as if its moves had been played by hand after a
// Reset in the view on screen: every move but the last in the red view
// with the switch off, the last in the view play by hand would have made
// it in, with the switch as the player left it. The take back, the end of
// the game and the switch of view then follow from the windows' own rules.
void ViewPair::showOpenedGame() {
    BoardWindow* onScreen = shown();
    if (!onScreen) return drawGame(true);
    const bool switchOn = onScreen->switchItem().isChecked();
    onScreen->putHeldBack();
    onScreen->resetPieces(false);
    drawGame(true);
    for (BoardWindow* window : builtWindows()) window->switchItem().setChecked(switchOn);
    const Game& game = model_.game();
    const std::size_t plies = game.moves().size();
    if (plies >= 2) red_->openTakeBack(plies >= 3);
    const Side lastMover = plies % 2 == 1 ? Side::Red : Side::Blue;
    BoardWindow& view = viewForOpenedGame(plies == 0 ? Side::Red : lastMover, *onScreen, switchOn);
    const DropOutcome outcome = plies == 0 ? DropOutcome::NoChange : LastOutcome(game);
    // The last move's switch would bring the other view up at once.
    if (outcome == DropOutcome::Moved && switchOn) return showSwitchedTo(twinOf(view));
    if (&view != shown()) shown()->showOtherView();
    if (plies > 0) view.answerMove(outcome);
}

// `window` on screen and activated, as a switch of view leaves it.
void ViewPair::showSwitchedTo(BoardWindow& window) {
    BoardWindow& current = *shown();
    if (&window != &current) return showInsteadOf(window, current);
    window.Form_Activate();
    emit viewShown(window);
}

BoardWindow& ViewPair::viewForOpenedGame(Side lastMover, BoardWindow& onScreen, bool switchOn) {
    if (const std::optional<Side> computer = computerSide_()) return *computer == Side::Blue ? red() : blue();
    if (switchOn) return lastMover == Side::Red ? red() : blue();
    return onScreen;
}

void ViewPair::redo() {
    if (!model_.redo()) return;
    const std::optional<Side> computer = computerSide_();
    if (computer && model_.game().toMove() == *computer && !model_.game().movesKept().empty()) model_.redo();
}

void ViewPair::unload() {
    if (unloading_) return;
    unloading_ = true;
    for (BoardWindow* window : builtWindows()) window->close();
    emit programEnded();
}

}  // namespace vintrel
