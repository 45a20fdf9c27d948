#include "protocol.h"

#include "levels.h"
#include "zobrist.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <vector>

namespace vintrel::engine {
namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = line.find_first_not_of(" \t\r", start)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

std::optional<std::uint64_t> Number(std::string_view word) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

// What a line that is not understood is quoted as: printable, and short.
std::string Quoted(std::string_view line) {
    std::string quoted;
    for (char c : line.substr(0, 60)) quoted += (c >= ' ' && c <= '~') ? c : '?';
    return line.size() > 60 ? quoted + "..." : quoted;
}

std::string ScoreText(int score) {
    if (IsWin(score)) return "win " + std::to_string(WinScore - score);
    if (IsLoss(score)) return "loss " + std::to_string(WinScore + score);
    return std::to_string(score);
}

// The moves the table holds from `state` on, as far as they stand.
std::string PrincipalVariation(const TranspositionTable& table, GameState state, int depth) {
    std::string line;
    for (int ply = 0; ply < depth && !state.isOver(); ++ply) {
        const TableEntry* entry = table.probe(state.key());
        if (!entry || !Stands(state, entry->move)) break;
        line += " " + ProtocolMoveText(state, entry->move);
        state = state.after(entry->move);
    }
    return line;
}

// An engine built before searches reported their iterations (see
// docs/engine.md) still speaks the protocol, without info lines.
template <typename Limits, typename Report>
void SetReporter(Limits& limits, Report report) {
    if constexpr (requires { limits.onIteration = report; }) limits.onIteration = report;
}

}  // namespace

ProtocolSession::ProtocolSession(LineSink sink) : sink_(std::move(sink)) {}

ProtocolSession::~ProtocolSession() { stop(); }

void ProtocolSession::say(const std::string& line) {
    const std::lock_guard lock(sayLock_);
    sink_(line);
}

bool ProtocolSession::handle(std::string_view line) {
    if (line.size() > MaxProtocolLine) return say("error line too long"), true;
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) return true;
    const std::string_view command = words[0];
    if (command == "quit") return stop(), false;
    if (command == "isready") return say("readyok"), true;
    if (command == "stop") return stop(), true;
    if (thinking_ && (command == "vintrel" || command == "newgame" || command == "position" ||
                      command == "go" || command == "setoption"))
        return say("error still thinking: stop first"), true;
    const std::vector<std::string_view> rest(words.begin() + 1, words.end());
    if (command == "vintrel")
        greet();
    else if (command == "newgame")
        position_ = {}, table_.reset();
    else if (command == "position") {
        PositionParse parse = ParsePosition(rest);
        parse.position ? void(position_ = *parse.position) : say("error " + parse.error);
    } else if (command == "go")
        go(rest);
    else if (command == "setoption")
        setOption(rest);
    else
        say("error unknown command: " + Quoted(line));
    return true;
}

void ProtocolSession::greet() {
    say("id name vintrel-engine " VINTREL_VERSION);
    say("option name Seed type spin default 1");
    say("option name Level type combo default medium");
    say("vintrelok");
}

void ProtocolSession::setOption(const std::vector<std::string_view>& words) {
    if (words.size() != 4 || words[0] != "name" || words[2] != "value")
        return say("error setoption name NAME value VALUE");
    if (words[1] == "Seed") {
        const auto seed = Number(words[3]);
        return seed ? void(seed_ = *seed) : say("error bad seed: " + Quoted(words[3]));
    }
    if (words[1] == "Level") {
        if (!StrengthNamed(words[3])) return say("error unknown level: " + Quoted(words[3]));
        level_ = std::string(words[3]);
        return;
    }
    say("error unknown option: " + Quoted(words[1]));
}

// go [level NAME] [nodes N] [movetime MS] [depth D]: a level's budget,
// this session's level when nothing else is named, capped by the rest.
void ProtocolSession::go(const std::vector<std::string_view>& words) {
    std::string level = words.empty() ? level_ : "";
    SearchLimits caps;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        if (i + 1 >= words.size()) return say("error go takes a name and a value: " + Quoted(words[i]));
        const std::string_view key = words[i], value = words[i + 1];
        const auto number = Number(value);
        if (key == "level" && StrengthNamed(value))
            level = std::string(value);
        else if (key == "nodes" && number && *number > 0)
            caps.maxNodes = *number;
        else if (key == "movetime" && number && *number > 0 && *number < 1'000'000'000)
            caps.maxTime = std::chrono::milliseconds(*number);
        else if (key == "depth" && number && *number > 0)
            caps.maxDepth = int(std::min<std::uint64_t>(*number, MaxPly));
        else
            return say("error bad go: " + Quoted(key) + " " + Quoted(value));
    }
    const std::uint64_t seed = zobrist::Mix(seed_ + std::uint64_t(position_.plies));
    Level chosen = level.empty() ? Level{.limits = {.seed = seed}, .tableSizeLog2 = 20}
                                 : LevelOf(*StrengthNamed(level), seed);
    chosen.limits.maxNodes = std::min(chosen.limits.maxNodes, caps.maxNodes);
    chosen.limits.maxDepth = std::min(chosen.limits.maxDepth, caps.maxDepth);
    if (caps.maxTime.count() > 0) chosen.limits.maxTime = caps.maxTime;
    think(chosen.limits, chosen.tableSizeLog2);
}

void ProtocolSession::think(SearchLimits limits, int tableSizeLog2) {
    if (search_.joinable()) search_.join();
    if (!table_ || table_->sizeLog2() != tableSizeLog2) table_ = std::make_unique<TranspositionTable>(tableSizeLog2);
    cancel_ = false;
    thinking_ = true;
    search_ = std::thread([this, limits, state = position_.state]() mutable {
        const auto start = std::chrono::steady_clock::now();
        SetReporter(limits, [this, &state, start](const SearchResult& r) { tellIteration(r, state, start); });
        table_->clear();
        const SearchResult result = Search(*table_, &cancel_).run(state, limits);
        // Idle before the answer is out: whoever reads it may send the
        // next command at once.
        thinking_ = false;
        say("bestmove " + (result.move.isNone() ? std::string("none") : ProtocolMoveText(state, result.move)));
    });
}

void ProtocolSession::tellIteration(const SearchResult& result, const GameState& state,
                                    std::chrono::steady_clock::time_point start) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    say("info depth " + std::to_string(result.depth) + " score " + ScoreText(result.score) + " nodes " +
        std::to_string(result.nodes) + " time " + std::to_string(elapsed.count()) + " pv" +
        PrincipalVariation(*table_, state, result.depth));
}

// The search checks its flag every thousand nodes or so: well under a
// millisecond.
void ProtocolSession::stop() {
    cancel_ = true;
    if (search_.joinable()) search_.join();
}

void ProtocolSession::waitForSearch() {
    if (search_.joinable()) search_.join();
}

int RunProtocol(std::istream& in, std::ostream& out) {
    // Reading must not flush the output from this thread while a search
    // writes to it from another.
    in.tie(nullptr);
    ProtocolSession session([&out](const std::string& line) { out << line << '\n' << std::flush; });
    std::string line;
    for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
        // One byte past the longest line is enough to refuse it.
        if (c != '\n') {
            if (line.size() <= MaxProtocolLine) line += char(c);
            continue;
        }
        if (!session.handle(line)) return 0;
        line.clear();
    }
    if (!line.empty()) session.handle(line);
    session.waitForSearch();
    return 0;
}

}  // namespace vintrel::engine
