// vintrel-engine play: a line-based protocol on standard input and output,
// so that a tournament can set any two builds against each other. The
// commands and answers are described in docs/engine.md.
#pragma once

#include "protocol_position.h"
#include "search.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace vintrel::engine {

// Where the answers go, a whole line at a time, from either thread.
using LineSink = std::function<void(const std::string&)>;

// Lines longer than this are refused whole.
inline constexpr std::size_t MaxProtocolLine = 64 * 1024;

class ProtocolSession {
public:
    explicit ProtocolSession(LineSink sink);
    // Stops a search under way; its best move is still told.
    ~ProtocolSession();

    // Handles one line; false once it was `quit`. Searches run on a thread
    // of their own, so that `isready` and `stop` are answered while one
    // thinks.
    bool handle(std::string_view line);
    // Waits for a search under way to end by its own limits.
    void waitForSearch();
    bool isThinking() const { return thinking_.load(); }

private:
    void say(const std::string& line);
    void greet();
    void setOption(const std::vector<std::string_view>& words);
    void go(const std::vector<std::string_view>& words);
    void think(SearchLimits limits, int tableSizeLog2);
    void stop();
    void tellIteration(const SearchResult& result, const GameState& state,
                       std::chrono::steady_clock::time_point start);

    LineSink sink_;
    std::mutex sayLock_;
    ProtocolPosition position_;
    std::string level_ = "medium";
    std::uint64_t seed_ = 1;
    std::unique_ptr<TranspositionTable> table_;
    std::thread search_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> thinking_{false};
};

// Reads lines until `quit` or the end of the input, then waits for a search
// under way. Returns 0.
int RunProtocol(std::istream& in, std::ostream& out);

}  // namespace vintrel::engine
