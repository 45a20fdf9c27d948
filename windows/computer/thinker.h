// Searches for the computer's moves on worker threads, so that the windows
// never wait. Each search works on its own copy of the game; a search
// cancelled, or overtaken by a newer one, never gives its answer.
#pragma once

#include "levels.h"

#include <QObject>

#include <atomic>
#include <map>
#include <memory>

class QThread;

namespace vintrel {

class Thinker : public QObject {
    Q_OBJECT
public:
    Thinker() = default;
    // Cancels every search and waits for its thread to end.
    ~Thinker() override;

    // Cancels any search under way and starts one for `state`.
    void think(const engine::GameState& state, const engine::Level& level);
    void cancel();
    // A search is under way whose answer is still to come.
    bool isThinking() const { return awaited_ != 0; }
    // Some search's thread, cancelled or not, has yet to end.
    bool hasThreads() const { return !running_.empty(); }

signals:
    void answered(vintrel::engine::Move move);

private:
    void deliver(std::uint64_t search, engine::Move move);
    void forget(QThread* thread);

    std::uint64_t searches_ = 0;
    std::uint64_t awaited_ = 0;  // the search whose answer counts, or 0
    // Threads still running, cancelled or not, with the flag that stops each.
    std::map<QThread*, std::shared_ptr<std::atomic<bool>>> running_;
};

}  // namespace vintrel
