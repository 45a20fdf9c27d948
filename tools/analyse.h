// A game read from its file, each move set beside the move a level of the
// engine would have chosen, and the moves that throw something away marked.
#pragma once

#include "levels.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel::engine {

struct AnalyseOptions {
    std::string file;
    Strength strength = Strength::Medium;
    int game = 1;  // of a file that holds several, as a tournament writes
};

// From "FILE [--level L] [--game K]"; none when the arguments are not that.
std::optional<AnalyseOptions> AnalyseOptionsFrom(const std::vector<std::string>& args);

// Prints a line a move and last "analysed N moves: B blunders". Returns 2
// when the file cannot be read or is not a game.
int RunAnalyse(const AnalyseOptions& options);

}  // namespace vintrel::engine
