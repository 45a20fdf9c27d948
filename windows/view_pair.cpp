#include "view_pair.h"

#include "board_cursor.h"
#include "board_window.h"
#include "screen_reader.h"
#include "view_table.h"

namespace vintrel {

ViewPair::ViewPair(const PictureFiles& pictures)
    : red_(std::make_unique<BoardWindow>(RedView, *this, pictures)),
      blue_(std::make_unique<BoardWindow>(BlueView, *this, pictures)),
      cursor_(std::make_unique<BoardCursor>(*this)),
      announcer_(std::make_unique<Announcer>(*this)) {}

ViewPair::~ViewPair() = default;

void ViewPair::start() {
    red_->Form_Load();
    showView(*red_);
}

BoardWindow& ViewPair::twinOf(const BoardWindow& window) const {
    return &window == red_.get() ? *blue_ : *red_;
}

BoardWindow* ViewPair::shown() const {
    if (red_->isVisible()) return red_.get();
    if (blue_->isVisible()) return blue_.get();
    return nullptr;
}

void ViewPair::loadBlueView() {
    if (!blue_->isLoaded()) blue_->Form_Load();
}

void ViewPair::showInsteadOf(BoardWindow& next, BoardWindow& current) {
    // Both views open in the same place, so a switch reads as the board
    // turning round.
    next.move(current.pos());
    showView(next);
    current.hide();
}

void ViewPair::showView(BoardWindow& window) {
    // Activation runs before the window appears, so its first frame
    // already shows the game as it stands.
    window.Form_Activate();
    window.show();
    window.raise();
    window.activateWindow();
}

void ViewPair::restart() {
    // Windows are re-initialised, never destroyed: the handler that asked
    // for the restart is still running in one of them.
    blue_->hide();
    red_->restoreCreationState();
    blue_->restoreCreationState();
    sharedTurnRecord_ = Side::Red;
    start();
}

void ViewPair::unload() {
    if (unloading_) return;
    unloading_ = true;
    red_->close();
    blue_->close();
    emit programEnded();
}

}  // namespace vintrel
