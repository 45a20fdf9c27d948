// Any bytes as a saved game or a pasted text. The reader either gives a
// game whose moves replay, or an error that names a line of the text; a
// game it reads, written and read again, is the same game.
#include "notation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace vintrel;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "notation_fuzz: %s\n%s\n", what, detail.c_str());
    std::abort();
}

void CheckError(const NotationError& error, std::string_view text) {
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    // Line 0 is kept for a text at fault as a whole, never for one move.
    const bool namesLine = error.line >= 1 && error.line <= lines;
    if (!(namesLine || (error.line == 0 && error.moveNumber == 0)) || error.what().empty())
        Fail("an error that names no line of the text", error.describe("input"));
}

void CheckGame(const GameText& game) {
    if (Game::Replayed(game.moves).moves().size() != game.moves.size())
        Fail("a game read whose moves do not replay", WriteGame(game));
    const std::string written = WriteGame(game);
    const ReadResult again = ReadGame(written);
    if (!again.game) Fail("a game written that does not read back", again.error->describe("written") + "\n" + written);
    if (again.game->moves != game.moves || again.game->tags != game.tags)
        Fail("a game that reads back as another", written + "\n---\n" + WriteGame(*again.game));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ReadResult read = ReadGame(text);
    if (read.game.has_value() == read.error.has_value()) Fail("neither a game nor an error, or both", "");
    if (read.game)
        CheckGame(*read.game);
    else
        CheckError(*read.error, text);
    return 0;
}
