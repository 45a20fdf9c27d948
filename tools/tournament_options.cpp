// The command line of a tournament.
#include "tournament.h"

#include <cstdlib>
#include <map>

namespace vintrel::engine {
namespace {

bool ParseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

bool ParseCount(const std::string& text, std::uint64_t& value) {
    char* end = nullptr;
    value = std::strtoull(text.c_str(), &end, 10);
    return !text.empty() && text[0] != '-' && *end == '\0';
}

// "name=old,cmd=/path/to/vintrel-engine play,go=level hard": the command
// may hold spaces but no commas.
std::optional<Entrant> EngineEntrant(const std::string& spec) {
    std::map<std::string, std::string> fields;
    for (std::size_t start = 0; start <= spec.size();) {
        const std::size_t end = std::min(spec.find(',', start), spec.size());
        const std::string field = spec.substr(start, end - start);
        const std::size_t equals = field.find('=');
        if (equals == std::string::npos) return std::nullopt;
        fields[field.substr(0, equals)] = field.substr(equals + 1);
        start = end + 1;
    }
    if (fields["name"].empty() || fields["cmd"].empty() || fields.size() > 3) return std::nullopt;
    Entrant entrant{fields["name"], fields["cmd"]};
    if (fields.contains("go")) entrant.go = fields["go"];
    return entrant;
}

bool ParseSprt(const std::vector<std::string>& args, std::size_t at, TournamentOptions& options) {
    SprtBounds bounds;
    if (at + 4 >= args.size() + 1 || !ParseNumber(args[at], bounds.elo0) || !ParseNumber(args[at + 1], bounds.elo1) ||
        !ParseNumber(args[at + 2], bounds.alpha) || !ParseNumber(args[at + 3], bounds.beta))
        return false;
    const auto probability = [](double p) { return p > 0 && p < 0.5; };
    if (bounds.elo1 <= bounds.elo0 || !probability(bounds.alpha) || !probability(bounds.beta)) return false;
    options.sprt = bounds;
    return true;
}

// One option and its value at `at`; false when they are not one.
bool ParseOption(const std::vector<std::string>& args, std::size_t& at, TournamentOptions& options) {
    const std::string& name = args[at];
    if (name == "--time-caps") return options.budget.windowsTimeCaps = true;
    if (name == "--sprt") return ParseSprt(args, at + 1, options) && (at += 4, true);
    if (at + 1 >= args.size()) return false;
    const std::string& value = args[++at];
    std::uint64_t count = 0;
    const bool isCount = ParseCount(value, count);
    if (name == "--engine") {
        const auto entrant = EngineEntrant(value);
        return entrant && (options.entrants.push_back(*entrant), true);
    }
    if (name == "--games" && isCount && count >= 2 && count <= 1'000'000) return options.games = int(count), true;
    if (name == "--seed" && isCount) return options.seed = count, true;
    if (name == "--concurrency" && isCount && count >= 1 && count <= 256) return options.concurrency = int(count), true;
    if (name == "--nodes" && isCount && count >= 1) return options.budget.nodeCap = count, true;
    if (name == "--node-divisor" && isCount && count >= 1) return options.budget.nodeDivisor = count, true;
    if (name == "--pgn") return options.gamesFile = value, true;
    if (name == "--anchor") {
        const std::size_t equals = value.find('=');
        options.anchor = value.substr(0, equals);
        return equals == std::string::npos || ParseNumber(value.substr(equals + 1), options.anchorElo);
    }
    return false;
}

bool HasEntrant(const TournamentOptions& options, const std::string& name) {
    for (const Entrant& entrant : options.entrants)
        if (entrant.name == name) return true;
    return false;
}

std::string Refusal(const TournamentOptions& options) {
    if (options.entrants.size() < 2) return "a tournament needs two entrants at least";
    for (std::size_t i = 0; i < options.entrants.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (options.entrants[i].name == options.entrants[j].name) return "two entrants named " + options.entrants[i].name;
    if (!options.anchor.empty() && !HasEntrant(options, options.anchor)) return "no entrant named " + options.anchor;
    if (options.sprt && options.entrants.size() != 2) return "--sprt takes two entrants";
    return "";
}

}  // namespace

std::optional<TournamentOptions> TournamentOptionsFrom(const std::vector<std::string>& args, std::string& why) {
    TournamentOptions options;
    for (std::size_t at = 0; at < args.size(); ++at) {
        if (!args[at].starts_with("--")) {
            if (!PlayerNamed(args[at])) return why = "no built-in player named " + args[at], std::nullopt;
            options.entrants.push_back({args[at]});
        } else if (!ParseOption(args, at, options)) {
            return why = "bad option " + args[at], std::nullopt;
        }
    }
    why = Refusal(options);
    if (!why.empty()) return std::nullopt;
    return options;
}

}  // namespace vintrel::engine
