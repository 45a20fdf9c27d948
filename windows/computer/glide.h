// A man gliding across the board, so that a player sees what moved: the
// copy that follows the pointer in a drag, moved from one diamond to
// another, or there and back for a hint.
#pragma once

#include "board.h"

#include <QObject>
#include <QPointer>
#include <QVariantAnimation>

#include <functional>

namespace vintrel {

class BoardWindow;

class Glide : public QObject {
    Q_OBJECT
public:
    Glide();

    void setDuration(int milliseconds) { duration_ = milliseconds; }
    // Carries the man that `window` holds from `from` to `to` (and back, for
    // `andBack`), then calls `done`. Nothing runs once it has ended.
    void start(BoardWindow& window, Cell from, Cell to, bool andBack, std::function<void()> done);
    // Ends the glide where it is; `done` is not called.
    void stop();
    bool isRunning() const { return animation_.state() == QAbstractAnimation::Running; }
    // The window whose man glides, while he does.
    BoardWindow* window() const;

private:
    void follow(const QVariant& point);
    void finish();

    QVariantAnimation animation_;
    QPointer<BoardWindow> window_;
    std::function<void()> done_;
    int duration_ = 300;
};

}  // namespace vintrel
