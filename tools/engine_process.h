// A player in another process that speaks the text protocol: any build of
// vintrel-engine play, old or new, behind a shell command line.
#pragma once

#include "players.h"

#include <string>
#include <sys/types.h>

namespace vintrel::engine {

class EngineProcess : public Player {
public:
    // Starts `command` through /bin/sh and waits for its `vintrelok`. Every
    // move is asked for with "go " + `go`. Throws std::runtime_error when
    // the engine cannot be started or does not answer.
    EngineProcess(const std::string& command, std::string go);
    // Tells the engine to quit, and reaps it.
    ~EngineProcess() override;
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    Choice choose(const GameState& state, std::uint64_t seed) override;
    Choice chooseInGame(const std::vector<Move>& played, const GameState& state, std::uint64_t seed) override;

private:
    void send(const std::string& line);
    // The next line, without its newline; throws when the engine has gone.
    std::string receive();
    std::string awaitLineStarting(const std::string& prefix);

    std::string go_;
    pid_t pid_ = -1;
    int toEngine_ = -1, fromEngine_ = -1;
    std::string buffered_;
};

}  // namespace vintrel::engine
