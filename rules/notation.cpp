#include "notation.h"

#include "translatable.h"

#include <algorithm>
#include <unordered_set>

namespace vintrel {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t ShownTokenBytes = 20;
constexpr std::size_t LineWidth = 79;

struct Refusal {
    NotationError error;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool EndsWord(char c) { return IsBlank(c) || c == '[' || c == '{' || c == ';'; }

std::string_view NameOf(Side side) { return side == Side::Red ? "red" : "blue"; }

bool IsStandardTag(std::string_view name) {
    return std::ranges::find(StandardTagNames, name) != std::end(StandardTagNames);
}

// A token as an error message shows it: short, and in plain ASCII
// whatever bytes it was made of.
std::string Shown(std::string_view token) {
    std::string shown(token.substr(0, ShownTokenBytes));
    for (char& c : shown)
        if (c < ' ' || c > '~') c = '?';
    if (token.size() > ShownTokenBytes) shown += "...";
    return '"' + shown + '"';
}

// The value of a run of digits, held at a million so that no run of them
// overflows; `size` tells how many there were.
struct Number {
    int value = 0;
    std::size_t size = 0;
};

Number DigitsAt(std::string_view word, std::size_t at) {
    Number number;
    while (at + number.size < word.size() && IsDigit(word[at + number.size])) {
        number.value = std::min(number.value * 10 + (word[at + number.size] - '0'), 1'000'000);
        ++number.size;
    }
    return number;
}

std::string Escaped(std::string_view value) {
    std::string escaped;
    for (char c : value) {
        if (c == '"' || c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {
        if (text_.starts_with(ByteOrderMark)) text_.remove_prefix(ByteOrderMark.size());
    }

    GameText read() {
        for (skipBlanks(); !atEnd(); skipBlanks()) {
            if (peek() == '[')
                readTag();
            else
                readWord();
        }
        return finished();
    }

private:
    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return text_[at_]; }
    void advance() {
        if (text_[at_] == '\n') ++line_;
        ++at_;
    }
    // Moves to `to`, counting the lines on the way.
    void skipTo(std::size_t to) {
        line_ += int(std::count(text_.begin() + long(at_), text_.begin() + long(to), '\n'));
        at_ = to;
    }

    using Words = std::vector<std::string>;
    [[noreturn]] void refuse(NotationFault fault, Words words, int line) const {
        throw Refusal{{line, 0, Side::Red, fault, std::move(words)}};
    }
    [[noreturn]] void refuse(NotationFault fault, Words words = {}) const { refuse(fault, std::move(words), line_); }
    // An error in the move `ply` moves from the start, by default the one
    // now due.
    [[noreturn]] void refuseMove(NotationFault fault, Words words, std::size_t ply) const {
        throw Refusal{{line_, int(ply / 2 + 1), ply % 2 ? Side::Blue : Side::Red, fault, std::move(words)}};
    }
    [[noreturn]] void refuseMove(NotationFault fault, Words words) const {
        refuseMove(fault, std::move(words), game_.moves().size());
    }
    Side sideDue() const { return game_.moves().size() % 2 ? Side::Blue : Side::Red; }

    void skipBlanks() {
        while (!atEnd()) {
            if (IsBlank(peek())) {
                advance();
            } else if (peek() == ';') {
                skipTo(std::min(text_.find('\n', at_), text_.size()));
            } else if (peek() == '{') {
                const std::size_t close = text_.find('}', at_);
                if (close == std::string_view::npos) refuse(NotationFault::UnterminatedComment);
                skipTo(close + 1);
            } else {
                return;
            }
        }
    }

    void skipSpaces() {
        while (!atEnd() && IsBlank(peek())) advance();
    }

    // [Name "value"], spaces allowed between the parts.
    void readTag() {
        const int startLine = line_;
        if (!game_.moves().empty()) refuse(NotationFault::TagAfterMoves);
        advance();
        skipSpaces();
        const std::size_t nameStart = at_;
        while (!atEnd() && IsNameChar(peek())) advance();
        const std::string name(text_.substr(nameStart, at_ - nameStart));
        if (name.empty()) refuse(atEnd() ? NotationFault::UnterminatedTag : NotationFault::TagWithoutName, {}, startLine);
        skipSpaces();
        if (atEnd()) refuse(NotationFault::UnterminatedNamedTag, {name}, startLine);
        if (peek() != '"') refuse(NotationFault::TagWithoutQuotedValue, {name});
        std::string value = quotedValue(name, startLine);
        skipSpaces();
        if (atEnd()) refuse(NotationFault::UnterminatedNamedTag, {name}, startLine);
        if (peek() != ']') refuse(NotationFault::TagWithoutBracket, {name});
        advance();
        keepTag(Tag{name, std::move(value)}, startLine);
    }

    std::string quotedValue(const std::string& name, int startLine) {
        std::string value;
        for (advance(); !atEnd() && peek() != '"'; advance()) {
            if (peek() == '\\') {
                advance();
                if (atEnd()) break;
                if (peek() != '"' && peek() != '\\') refuse(NotationFault::TagWithStrayEscape, {name});
            }
            value += peek();
        }
        if (atEnd()) refuse(NotationFault::UnterminatedNamedTag, {name}, startLine);
        advance();
        return value;
    }

    void keepTag(Tag tag, int line) {
        if (!tagNames_.insert(tag.name).second) refuse(NotationFault::TagGivenTwice, {tag.name}, line);
        if (tag.name == "Result") resultLine_ = line;
        tags_.push_back(std::move(tag));
    }

    void readWord() {
        const std::size_t start = at_;
        while (!atEnd() && !EndsWord(peek())) advance();
        const std::string_view word = text_.substr(start, at_ - start);
        const Number first = DigitsAt(word, 0);
        if (first.size == 0) refuse(NotationFault::NotAMove, {Shown(word)});
        if (first.size < word.size() && word[first.size] == '.')
            return readNumberedWord(word, first);
        readMove(word);
    }

    // "12." before a red move, "12..." before a blue one, perhaps with the
    // move written on straight after.
    void readNumberedWord(std::string_view word, Number number) {
        const std::size_t dots = std::min(word.find_first_not_of('.', number.size), word.size()) - number.size;
        if (dots != 1 && dots != 3) refuse(NotationFault::NotAMove, {Shown(word)});
        const int due = int(game_.moves().size() / 2 + 1);
        const std::string_view dueDots = sideDue() == Side::Red ? "." : "...";
        if (number.value != due || dots != dueDots.size())
            refuseMove(NotationFault::WrongMoveNumber,
                       {Shown(word.substr(0, number.size + dots)), std::to_string(due) + std::string(dueDots)});
        if (number.size + dots < word.size()) readMove(word.substr(number.size + dots));
    }

    // "A-B", or "AxB" when B holds an opponent's man.
    void readMove(std::string_view word) {
        const Number from = DigitsAt(word, 0);
        const std::size_t mark = from.size;
        const Number to = DigitsAt(word, mark + 1);
        if (from.size == 0 || mark >= word.size() || (word[mark] != '-' && word[mark] != 'x') || to.size == 0 ||
            mark + 1 + to.size != word.size())
            refuse(NotationFault::NotAMove, {Shown(word)});
        for (const Number& cell : {from, to})
            if (cell.value >= CellCount)
                refuseMove(NotationFault::NoSuchDiamond, {Shown(word), std::to_string(cell.value)});
        play({Cell(from.value), Cell(to.value), word[mark] == 'x'});
    }

    void play(const PlayedMove& move) {
        const std::string text = MoveText(move);
        if (game_.isOver()) refuseMove(NotationFault::MoveAfterTheEnd, {text});
        if (game_.moves().size() >= MaxGameMoves)
            refuse(NotationFault::TooManyMoves, {std::to_string(MaxGameMoves)});
        const Side side = game_.toMove();
        if (game_.position()[move.from] != ManOf(side))
            refuseMove(side == Side::Red ? NotationFault::NoRedManOn : NotationFault::NoBlueManOn,
                       {text, std::to_string(move.from)});
        const Cell obligation = ObligationOf(game_.commitments(), game_.position(), side);
        const DropDecision decision = game_.play(move.from, move.to);
        if (!Stands(decision.outcome)) refuseMove(RefusalOf(decision.outcome), {text, std::to_string(obligation)});
        if (decision.captures != move.captures) {
            const std::string right = MoveText({move.from, move.to, decision.captures});
            refuseMove(decision.captures ? NotationFault::IsACapture : NotationFault::CapturesNothing, {text, right},
                       game_.moves().size() - 1);
        }
    }

    static NotationFault RefusalOf(DropOutcome outcome) {
        switch (outcome) {
            case DropOutcome::NoChange: return NotationFault::DoesNotMoveTheMan;
            case DropOutcome::OwnMan: return NotationFault::LandsOnOwnMan;
            case DropOutcome::NotPermitted: return NotationFault::OutOfRange;
            case DropOutcome::MustCapture: return NotationFault::LeavesCommittedMan;
            default: return NotationFault::Refused;
        }
    }

    GameText finished() const {
        if (tags_.empty() && game_.moves().empty()) refuse(NotationFault::NotAGame, {}, 0);
        checkResultTag();
        GameText game;
        for (std::string_view name : StandardTagNames) game.setTag(name, tagValue(name));
        game.setTag("Result", ResultText(game_.result()));
        for (const Tag& tag : tags_)
            if (!IsStandardTag(tag.name)) game.tags.push_back(tag);
        game.moves = game_.moves();
        return game;
    }

    std::string tagValue(std::string_view name) const {
        const auto found = std::ranges::find(tags_, name, &Tag::name);
        return found == tags_.end() ? std::string() : found->value;
    }

    void checkResultTag() const {
        if (resultLine_ == 0) return;
        const std::string given = tagValue("Result");
        if (given != "1-0" && given != "0-1" && given != "*")
            refuse(NotationFault::ResultUnknown, {Shown(given)}, resultLine_);
        const std::string actual = ResultText(game_.result());
        if (given == actual) return;
        const NotationFault truth = game_.result() == Result::Unfinished ? NotationFault::ResultButUnfinished
                                    : game_.result() == Result::RedWon   ? NotationFault::ResultButRedWon
                                                                         : NotationFault::ResultButBlueWon;
        refuse(truth, {given}, resultLine_);
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    int resultLine_ = 0;
    std::vector<Tag> tags_;
    // A text may hold a hundred thousand tags: each is looked up by name.
    std::unordered_set<std::string> tagNames_;
    Game game_;
};

// The numbered moves, each number kept on the line of its red move, in
// lines no longer than LineWidth.
std::string MoveLines(const std::vector<PlayedMove>& moves) {
    std::string lines, line;
    for (std::size_t ply = 0; ply < moves.size(); ++ply) {
        std::string unit = MoveText(moves[ply]);
        if (ply % 2 == 0) unit = std::to_string(ply / 2 + 1) + ". " + unit;
        if (!line.empty() && line.size() + 1 + unit.size() > LineWidth) {
            lines += line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + unit;
    }
    return line.empty() ? lines : lines + line + '\n';
}

}  // namespace

std::string GameText::tag(std::string_view name) const {
    const auto found = std::ranges::find(tags, name, &Tag::name);
    return found == tags.end() ? std::string() : found->value;
}

void GameText::setTag(std::string_view name, std::string value) {
    const auto found = std::ranges::find(tags, name, &Tag::name);
    if (found != tags.end())
        found->value = std::move(value);
    else
        tags.push_back({std::string(name), std::move(value)});
}

// Each text is said again in the windows' catalogues, under its English.
std::string_view EnglishTextOf(NotationFault fault) {
    switch (fault) {
        case NotationFault::TooLarge:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "larger than 1 MiB, too large for a game");
        case NotationFault::UnterminatedComment:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "unterminated comment");
        case NotationFault::TagAfterMoves:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "a tag after the moves");
        case NotationFault::UnterminatedTag:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "unterminated tag");
        case NotationFault::TagWithoutName:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "a tag without a name");
        case NotationFault::UnterminatedNamedTag:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "unterminated tag %1");
        case NotationFault::TagWithoutQuotedValue:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "tag %1 has no quoted value");
        case NotationFault::TagWithoutBracket:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "tag %1 does not end with ]");
        case NotationFault::TagWithStrayEscape:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "tag %1: a \\ that escapes neither \" nor \\");
        case NotationFault::TagGivenTwice:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "tag %1 given twice");
        case NotationFault::NotAMove:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 is not a move");
        case NotationFault::WrongMoveNumber:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "move number %1 should be \"%2\"");
        case NotationFault::NoSuchDiamond:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1: there is no diamond %2 (0 to 99)");
        case NotationFault::MoveAfterTheEnd:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 after the game has ended");
        case NotationFault::TooManyMoves:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "more than %1 moves");
        case NotationFault::NoRedManOn:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1: no red man on %2");
        case NotationFault::NoBlueManOn:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1: no blue man on %2");
        case NotationFault::DoesNotMoveTheMan:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 does not move the man");
        case NotationFault::LandsOnOwnMan:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 lands on own man");
        case NotationFault::OutOfRange:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 is out of range");
        case NotationFault::LeavesCommittedMan:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 leaves the committed man at %2 uncaptured");
        case NotationFault::Refused:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 is refused");
        case NotationFault::IsACapture:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 is a capture: %2");
        case NotationFault::CapturesNothing:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "%1 captures nothing: %2");
        case NotationFault::NotAGame:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "not a game: no tags and no moves");
        case NotationFault::ResultUnknown:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "Result %1 is not 1-0, 0-1 or *");
        case NotationFault::ResultButUnfinished:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "Result \"%1\" contradicts the moves: the game is not over");
        case NotationFault::ResultButRedWon:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "Result \"%1\" contradicts the moves: red won");
        case NotationFault::ResultButBlueWon:
            return VINTREL_TRANSLATABLE("vintrel::NotationWords", "Result \"%1\" contradicts the moves: blue won");
    }
    return "%1";
}

std::string FillIn(std::string_view text, const std::vector<std::string>& words) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t word = i + 1 < text.size() && text[i] == '%' ? std::size_t(text[i + 1] - '1') : words.size();
        if (word < words.size()) {
            filled += words[word];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string NotationError::what() const { return FillIn(EnglishTextOf(fault), words); }

std::string NotationError::describe(std::string_view fileName) const {
    std::string text(fileName);
    if (line > 0) text += ':' + std::to_string(line);
    text += ": ";
    if (moveNumber > 0) text += "move " + std::to_string(moveNumber) + ", " + std::string(NameOf(side)) + ": ";
    return text + what();
}

std::string ResultText(Result result) {
    switch (result) {
        case Result::RedWon: return "1-0";
        case Result::BlueWon: return "0-1";
        case Result::Unfinished: break;
    }
    return "*";
}

ReadResult ReadGame(std::string_view text) {
    if (text.size() > MaxGameTextBytes)
        return {std::nullopt, NotationError{0, 0, Side::Red, NotationFault::TooLarge, {}}};
    try {
        return {Reader(text).read(), std::nullopt};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.error};
    }
}

std::string WriteGame(const GameText& game) {
    const Game replayed = Game::Replayed(game.moves);
    std::string text;
    const auto write = [&](std::string_view name, std::string_view value) {
        text += '[' + std::string(name) + " \"" + Escaped(value) + "\"]\n";
    };
    for (std::string_view name : StandardTagNames)
        write(name, name == "Result" ? ResultText(replayed.result()) : game.tag(name));
    for (const Tag& tag : game.tags)
        if (!IsStandardTag(tag.name)) write(tag.name, tag.value);
    return text + '\n' + MoveLines(replayed.moves());
}

}  // namespace vintrel
