// The player the autosave kill test kills: a seeded game of up to 200
// moves, dragged in the board windows of the program as it is put
// together, headless. Before each move it prints "playing N A-B",
// after it "played N", and only then waits for the write the move asked
// for, so that a kill may land anywhere in a write.
//
//   autosave_kill_child SEED
#include "game_driver.h"
#include "startup.h"

#include "move.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using namespace vintrel;

constexpr std::size_t GameMoves = 200;

QtMessageHandler qtDefaultHandler = nullptr;

// The headless platform says at every change of view that it cannot
// raise a window.
void QuietenHeadlessPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) qtDefaultHandler(type, context, message);
}

// Moves that do not end the game when there are any, so that most games
// run their 200 moves.
Move ChooseMove(const Game& game, std::mt19937& random) {
    std::vector<Move> moves = StandingMoves(game.position(), game.toMove(), game.commitments());
    std::vector<Move> goingOn;
    for (const Move& move : moves)
        if (move.decision.outcome == DropOutcome::Moved) goingOn.push_back(move);
    const std::vector<Move>& pool = goingOn.empty() ? moves : goingOn;
    return pool[random() % pool.size()];
}

void Play(unsigned seed) {
    vintrel::testing::GameDriver driver;
    const Game& game = driver.gameState();
    std::mt19937 random(seed);
    for (std::size_t n = 1; n <= GameMoves && !game.isOver(); ++n) {
        const Move move = ChooseMove(game, random);
        std::printf("playing %zu %d-%d\n", n, move.from, move.to);
        std::fflush(stdout);
        driver.drag(move.from, move.to);
        if (game.moves().size() != n) {
            std::fprintf(stderr, "autosave_kill_child: the windows refused %d-%d\n", move.from, move.to);
            std::exit(1);
        }
        std::printf("played %zu\n", n);
        std::fflush(stdout);
        driver.games().autosave().flush();
    }
    std::printf("done\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: autosave_kill_child SEED\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(&QuietenHeadlessPlatform);
    QApplication app(argc, argv);
    ConfigureApplication();
    Play(unsigned(std::strtoul(argv[1], nullptr, 10)));
    return 0;
}
