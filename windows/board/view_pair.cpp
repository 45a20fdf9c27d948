#include "view_pair.h"

#include "board_window.h"
#include "view_table.h"

namespace vintrel {

ViewPair::ViewPair(const PictureFiles& pictures)
    : pictures_(pictures),
      red_(std::make_unique<BoardWindow>(RedView, *this, pictures)) {}

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
    if (blueLoadDue_) blue_->Form_Load();
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
    if (blue_) blue_->hide();
    for (BoardWindow* window : builtWindows()) window->restoreCreationState();
    sharedTurnRecord_ = Side::Red;
    start();
}

void ViewPair::endReplay(const QString& news) {
    replaying_ = false;
    emit replayEnded(news);
}

void ViewPair::unload() {
    if (unloading_) return;
    unloading_ = true;
    for (BoardWindow* window : builtWindows()) window->close();
    emit programEnded();
}

}  // namespace vintrel
