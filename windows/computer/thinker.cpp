#include "thinker.h"

#include <QThread>

namespace vintrel {

Thinker::~Thinker() {
    cancel();
    for (auto& [thread, stop] : running_) {
        thread->wait();
        delete thread;
    }
}

void Thinker::think(const engine::GameState& state, const engine::Level& level) {
    cancel();
    const std::uint64_t search = ++searches_;
    awaited_ = search;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    QThread* thread = QThread::create([this, state, level, stop, search] {
        const engine::Move move = engine::ChooseMove(state, level, stop.get()).move;
        // Posted to this object: should it be gone by then, so is the answer.
        QMetaObject::invokeMethod(this, [this, search, move] { deliver(search, move); }, Qt::QueuedConnection);
    });
    running_.emplace(thread, stop);
    connect(thread, &QThread::finished, this, [this, thread] { forget(thread); }, Qt::QueuedConnection);
    thread->start();
}

void Thinker::cancel() {
    awaited_ = 0;
    for (auto& [thread, stop] : running_) stop->store(true, std::memory_order_relaxed);
}

void Thinker::deliver(std::uint64_t search, engine::Move move) {
    if (search != awaited_) return;
    awaited_ = 0;
    emit answered(move);
}

void Thinker::forget(QThread* thread) {
    if (running_.erase(thread) == 0) return;
    thread->wait();
    delete thread;
}

}  // namespace vintrel
