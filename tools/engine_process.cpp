#include "engine_process.h"

#include "move_generation.h"
#include "protocol_position.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace vintrel::engine {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("external engine: " + what); }

// The child's ends of two pipes become its standard input and output.
pid_t Spawn(const std::string& command, int input, int output) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    dup2(input, STDIN_FILENO);
    dup2(output, STDOUT_FILENO);
    for (int fd = STDERR_FILENO + 1; fd < 256; ++fd) close(fd);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

}  // namespace

EngineProcess::EngineProcess(const std::string& command, std::string go) : go_(std::move(go)) {
    int down[2], up[2];
    if (pipe(down) != 0 || pipe(up) != 0) Fail("no pipes");
    // A broken pipe is reported by write(), not by a signal that would end
    // the tournament.
    std::signal(SIGPIPE, SIG_IGN);
    pid_ = Spawn(command, down[0], up[1]);
    close(down[0]);
    close(up[1]);
    toEngine_ = down[1];
    fromEngine_ = up[0];
    if (pid_ < 0) Fail("cannot start " + command);
    send("vintrel");
    awaitLineStarting("vintrelok");
}

EngineProcess::~EngineProcess() {
    if (toEngine_ >= 0) {
        const char quit[] = "quit\n";
        [[maybe_unused]] const ssize_t written = write(toEngine_, quit, sizeof quit - 1);
        close(toEngine_);
    }
    if (fromEngine_ >= 0) close(fromEngine_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
}

void EngineProcess::send(const std::string& line) {
    const std::string text = line + "\n";
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = write(toEngine_, text.data() + done, text.size() - done);
        if (written <= 0) Fail("it stopped reading");
        done += std::size_t(written);
    }
}

std::string EngineProcess::receive() {
    for (std::size_t end; (end = buffered_.find('\n')) == std::string::npos;) {
        char chunk[4096];
        const ssize_t got = read(fromEngine_, chunk, sizeof chunk);
        if (got <= 0) Fail("it ended");
        buffered_.append(chunk, std::size_t(got));
    }
    const std::size_t end = buffered_.find('\n');
    std::string line = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    return line;
}

std::string EngineProcess::awaitLineStarting(const std::string& prefix) {
    for (;;) {
        std::string line = receive();
        if (line.starts_with("error")) Fail(line);
        if (line.starts_with(prefix)) return line;
    }
}

Choice EngineProcess::choose(const GameState& state, std::uint64_t seed) { return chooseInGame({}, state, seed); }

// The whole game is sent each time, as the protocol knows no other way;
// `state` must follow from `played`.
Choice EngineProcess::chooseInGame(const std::vector<Move>& played, const GameState& state, std::uint64_t seed) {
    std::string position = "position start";
    GameState replay = GameState::Start();
    if (!played.empty()) position += " moves";
    for (const Move& move : played) {
        position += " " + ProtocolMoveText(replay, move);
        replay = replay.after(move);
    }
    if (replay.key() != state.key()) Fail("asked about a position its moves do not reach");
    send("setoption name Seed value " + std::to_string(seed));
    send(position);
    send("go " + go_);
    const std::string answer = awaitLineStarting("bestmove ").substr(9);
    MoveList moves;
    GenerateMoves(state, moves);
    for (const Move& move : moves)
        if (ProtocolMoveText(state, move) == answer) return {move};
    Fail("bestmove " + answer + " does not stand");
}

}  // namespace vintrel::engine
