#include "glide.h"

#include "board_window.h"

namespace vintrel {

Glide::Glide() {
    connect(&animation_, &QVariantAnimation::valueChanged, this, &Glide::follow);
    connect(&animation_, &QVariantAnimation::finished, this, &Glide::finish);
}

void Glide::start(BoardWindow& window, Cell from, Cell to, bool andBack, std::function<void()> done) {
    stop();
    window_ = &window;
    done_ = std::move(done);
    // A glide of no time lands at once, with no timer at all.
    if (duration_ <= 0) return finish();
    const QPointF start = window.cellCentre(from), end = window.cellCentre(to);
    animation_.setDuration(andBack ? 2 * duration_ : duration_);
    animation_.setKeyValues({{0.0, start}, {andBack ? 0.5 : 1.0, end}, {1.0, andBack ? start : end}});
    animation_.setEasingCurve(QEasingCurve::InOutQuad);
    animation_.start();
}

BoardWindow* Glide::window() const { return isRunning() ? window_.data() : nullptr; }

void Glide::stop() {
    done_ = nullptr;
    animation_.stop();
}

void Glide::follow(const QVariant& point) {
    if (window_) window_->carryHeldTo(point.toPointF());
}

void Glide::finish() {
    // `done` may start the next glide: it is handed over before it runs.
    if (auto done = std::exchange(done_, nullptr)) done();
}

}  // namespace vintrel
