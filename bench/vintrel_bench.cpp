// How fast the game starts, answers a move and switches views, and whether
// it keeps still while it waits. Figures are medians and 99th percentiles
// of many samples, reported as counters; nothing here passes or fails.
#include "analysis.h"
#include "analysis_window.h"
#include "board_window.h"
#include "cold_start.h"
#include "computer_player.h"
#include "levels.h"
#include "move.h"
#include "range.h"
#include "samples.h"
#include "program.h"

#include <QAbstractEventDispatcher>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <random>
#include <thread>
#include <vector>

namespace vintrel::bench {
namespace {

using Clock = std::chrono::steady_clock;

// How many samples each in-game benchmark takes; a profiler run wants fewer.
int Samples() {
    const int fromEnvironment = qEnvironmentVariableIntValue("VINTREL_BENCH_SAMPLES");
    return fromEnvironment > 0 ? fromEnvironment : 2000;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Wall time is what a player waits; the CPU time of the one thread that
// does all the work shows the same figure with the other loads of a busy
// machine taken out.
class Stopwatch {
public:
    Stopwatch() : wallStart_(Clock::now()), cpuStart_(ThreadCpuSeconds()) {}

    void stop(benchmark::State& state) {
        wall.push_back(std::chrono::duration<double>(Clock::now() - wallStart_).count());
        cpu.push_back(ThreadCpuSeconds() - cpuStart_);
        state.SetIterationTime(wall.back());
    }
    void restart() {
        wallStart_ = Clock::now();
        cpuStart_ = ThreadCpuSeconds();
    }

    void report(benchmark::State& state) const {
        state.counters["median_ms"] = Median(wall) * 1e3;
        state.counters["p99_ms"] = Percentile(wall, 99) * 1e3;
        state.counters["cpu_median_ms"] = Median(cpu) * 1e3;
        state.counters["cpu_p99_ms"] = Percentile(cpu, 99) * 1e3;
    }

    std::vector<double> wall, cpu;

private:
    Clock::time_point wallStart_;
    double cpuStart_;
};

const PictureFiles& SourcePictures() {
    static const PictureFiles files = [] {
        const PictureSearch search = PictureFiles::locate({QStringLiteral(VINTREL_ASSETS_DIR)});
        if (!search.files) qFatal("%s", qPrintable(search.error));
        return *search.files;
    }();
    return files;
}

// ------------------------------------------------------------- cold start

// Both programs run alternately, each first every other time, so that a
// burst of load elsewhere on the machine hurts neither more than the other.
void BM_ColdStart(benchmark::State& state, const char* platform) {
    if (std::string_view(platform) == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    std::vector<double> game, bare, gameToMain, bareToMain;
    std::vector<double> gameKb, bareKb;
    for (auto _ : state) {
        const bool gameFirst = game.size() % 2 == 0;
        ColdStart first = RunColdStart(gameFirst ? COLD_START_VINTREL : COLD_START_BARE, platform);
        ColdStart second = RunColdStart(gameFirst ? COLD_START_BARE : COLD_START_VINTREL, platform);
        const ColdStart& g = gameFirst ? first : second;
        const ColdStart& b = gameFirst ? second : first;
        if (!g.ok || !b.ok) {
            state.SkipWithError("a cold-start program failed");
            break;
        }
        game.push_back(g.wallSeconds);
        bare.push_back(b.wallSeconds);
        gameToMain.push_back(g.toMainSeconds);
        bareToMain.push_back(b.toMainSeconds);
        gameKb.push_back(double(g.peakResidentKb));
        bareKb.push_back(double(b.peakResidentKb));
        state.SetIterationTime(g.wallSeconds);
    }
    if (game.empty()) return;
    state.counters["game_ms"] = Median(game) * 1e3;
    state.counters["bare_ms"] = Median(bare) * 1e3;
    state.counters["ratio"] = Median(game) / Median(bare);
    state.counters["game_to_main_ms"] = Median(gameToMain) * 1e3;
    state.counters["bare_to_main_ms"] = Median(bareToMain) * 1e3;
    state.counters["game_rss_kB"] = Median(gameKb);
    state.counters["bare_rss_kB"] = Median(bareKb);
    state.counters["rss_ratio"] = Median(gameKb) / Median(bareKb);
}
BENCHMARK_CAPTURE(BM_ColdStart, offscreen, "offscreen")->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColdStart, xcb, "xcb")->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------- in the game

// Counts the frames painted on the boards of both views.
class FrameCounter : public QObject {
public:
    int frames = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++frames;
        return false;
    }
};

// A game in the two views, driven by the same events a player's mouse and
// menu clicks make.
class Game {
public:
    explicit Game(const ProgramOptions& options = {.computer = false}) : program_(SourcePictures(), options) {
        for (BoardWindow* window : {&views().red(), &views().blue()})
            window->centralWidget()->installEventFilter(&frames_);
        program_.start();
        settle();
    }

    Program& program() { return program_; }
    ViewPair& views() { return program_.views(); }
    BoardWindow& shown() { return *views().shown(); }
    GameKeeper& keeper() { return program_.games(); }

    // Lets the event loop do all it has been asked to, drawing included.
    static void settle() { QCoreApplication::processEvents(); }

    // Ends the frame the last action asked for: the event loop paints what
    // the action made dirty. Says whether a board was painted at all.
    bool finishFrame() {
        const int before = frames_.frames;
        settle();
        return frames_.frames != before;
    }

    // A move of the side to move that the rules let stand and that does not
    // end the game; a new game when there is none.
    std::pair<Cell, Cell> someMove() {
        for (;;) {
            const std::vector<Move> moves = ordinaryMoves();
            if (!moves.empty()) {
                const Move& chosen = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random_)];
                return {chosen.from, chosen.to};
            }
            action("mnuReset").trigger();
            settle();
        }
    }

    // Picks the man on `from` up and carries him over `to`; the release is
    // left to the caller, so that it can time it.
    CellBox& pickUp(Cell from, Cell to, QPoint& releaseAt) {
        BoardWindow& window = shown();
        CellBox& source = window.cell(from);
        releaseAt = source.mapFrom(source.parentWidget(), window.cell(to).geometry().center());
        QTest::mousePress(&source, Qt::LeftButton, {}, source.rect().center());
        QTest::mouseMove(&source, releaseAt);
        return source;
    }

    void play(std::pair<Cell, Cell> move) {
        QPoint releaseAt;
        CellBox& source = pickUp(move.first, move.second, releaseAt);
        QTest::mouseRelease(&source, Qt::LeftButton, {}, releaseAt);
        settle();
    }

    // The timed parts of the benchmarks, kept out of line so that a
    // profiler can count them alone, e.g.
    //   valgrind --tool=callgrind --toggle-collect='*Game::timed*'
    [[gnu::noinline]] bool timedRelease(CellBox& source, QPoint releaseAt) {
        QTest::mouseRelease(&source, Qt::LeftButton, {}, releaseAt);
        return finishFrame();
    }
    [[gnu::noinline]] bool timedTrigger(QAction& item) {
        item.trigger();
        return finishFrame();
    }

    QAction& action(const char* name) {
        return *shown().menuBar()->findChild<QAction*>(QLatin1String(name));
    }

private:
    // Moves that stand and leave the game going.
    std::vector<Move> ordinaryMoves() {
        BoardWindow& window = shown();
        std::vector<Move> moves = StandingMoves(window.position(), views().sharedTurnRecord(), window.game().commitments());
        std::erase_if(moves, [](const Move& move) { return move.decision.outcome != DropOutcome::Moved; });
        return moves;
    }

    FrameCounter frames_;
    // Every move is kept, as the program keeps it.
    Program program_;
    std::mt19937 random_{20240611};
};

// From the release of the mouse over the target cell to the end of the
// first frame of the other view: the drop, the rules, the other view's
// refresh and its painting.
void MeasureSwitchingMoves(benchmark::State& state, Game& game) {
    Stopwatch watch;
    for (auto _ : state) {
        const auto move = game.someMove();
        QPoint releaseAt;
        CellBox& source = game.pickUp(move.first, move.second, releaseAt);
        BoardWindow& before = game.shown();
        watch.restart();
        const bool painted = game.timedRelease(source, releaseAt);
        watch.stop(state);
        if (!painted || &game.shown() == &before) {
            state.SkipWithError("the move did not bring up the other view");
            break;
        }
    }
    watch.report(state);
}

void BM_SwitchingMove(benchmark::State& state) {
    Game game;
    MeasureSwitchingMoves(state, game);
}
BENCHMARK(BM_SwitchingMove)->Iterations(Samples())->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same with every marker on: the last move outlined, the held man's
// targets dotted, every cell numbered. They are off again afterwards, as
// the settings are kept for the benchmarks that follow.
void BM_SwitchingMoveMarked(benchmark::State& state) {
    Game game;
    const char* const markers[] = {"mnuShowLastMove", "mnuShowTargets", "mnuShowNumbers"};
    for (const char* item : markers) game.action(item).trigger();
    game.settle();
    MeasureSwitchingMoves(state, game);
    for (const char* item : markers) game.action(item).trigger();
}
BENCHMARK(BM_SwitchingMoveMarked)->Iterations(Samples())->UseManualTime()->Unit(benchmark::kMicrosecond);

// From choosing "&Blue View" or "&Red View" to the end of the other view's
// first frame, a few moves into a game.
void BM_MenuSwitch(benchmark::State& state) {
    Game game;
    for (int i = 0; i < 6; ++i) game.play(game.someMove());
    Stopwatch watch;
    for (auto _ : state) {
        QAction& item = game.action(&game.shown() == &game.views().red() ? "mnuBlue" : "mnuRed");
        watch.restart();
        const bool painted = game.timedTrigger(item);
        watch.stop(state);
        if (!painted) {
            state.SkipWithError("the other view was not painted");
            break;
        }
    }
    watch.report(state);
}
BENCHMARK(BM_MenuSwitch)->Iterations(Samples())->UseManualTime()->Unit(benchmark::kMicrosecond);

// From choosing "&Take Back Last Move" to the end of the frame that shows
// the man back on his diamond. Switching is off, as a take back needs.
void BM_TakeBack(benchmark::State& state) {
    Game game;
    game.action("mnuSwitch").trigger();
    Stopwatch watch;
    for (auto _ : state) {
        game.play(game.someMove());
        QAction& takeBack = game.action("mnuUnmove");
        watch.restart();
        const bool painted = game.timedTrigger(takeBack);
        watch.stop(state);
        if (!painted) {
            state.SkipWithError("the take back was not painted");
            break;
        }
    }
    watch.report(state);
}
BENCHMARK(BM_TakeBack)->Iterations(Samples())->UseManualTime()->Unit(benchmark::kMicrosecond);

// --------------------------------------------------------- games that last

// A game of `plies` moves that stand and leave it going, red and blue
// together, drawn at random with a fixed seed.
GameText LongGame(std::size_t plies) {
    std::mt19937 random(20261208);
    for (;;) {
        vintrel::Game game;
        while (game.moves().size() < plies) {
            std::vector<Move> moves = StandingMoves(game.position(), game.toMove(), game.commitments());
            std::erase_if(moves, [](const Move& move) { return move.decision.outcome != DropOutcome::Moved; });
            if (moves.empty()) break;
            const Move& move = moves[random() % moves.size()];
            game.play(move.from, move.to);
        }
        if (game.moves().size() == plies) return {{}, game.moves()};
    }
}

// From the call that opens a game of 300 moves, red's and blue's, to the
// end of the first frame of the view it leaves on screen.
void BM_OpenGame(benchmark::State& state) {
    Game game;
    const QByteArray text = QByteArray::fromStdString(WriteGame(LongGame(600)));
    Stopwatch watch;
    for (auto _ : state) {
        watch.restart();
        const bool opened = game.keeper().files().openText(text, QStringLiteral("game"));
        const bool painted = game.finishFrame();
        watch.stop(state);
        if (!opened || !painted) {
            state.SkipWithError("the game was not opened and shown");
            break;
        }
        game.action("mnuReset").trigger();
        game.settle();
    }
    watch.report(state);
}
BENCHMARK(BM_OpenGame)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

// From a key in the move list that steps one move back or forward through
// a game of 300 moves to the end of the frame that shows that position.
// The walk goes back from the end halfway and forward again.
void BM_BrowseMove(benchmark::State& state) {
    Game game;
    game.keeper().files().openText(QByteArray::fromStdString(WriteGame(LongGame(600))), QStringLiteral("game"));
    game.action("mnuMoves").trigger();
    game.settle();
    QTableWidget& table = game.keeper().moveList().table();
    Stopwatch watch;
    int step = 0;
    for (auto _ : state) {
        const Qt::Key key = step++ % 600 < 300 ? Qt::Key_Up : Qt::Key_Down;
        watch.restart();
        QTest::keyClick(&table, key);
        const bool painted = game.finishFrame();
        watch.stop(state);
        if (!painted) {
            state.SkipWithError("the position browsed to was not painted");
            break;
        }
    }
    watch.report(state);
}
BENCHMARK(BM_BrowseMove)->Iterations(Samples())->UseManualTime()->Unit(benchmark::kMicrosecond);

// Puts a game of 200 moves on the board; false, and the benchmark
// skipped, when it was not opened.
bool OpenLongGame(Game& game, benchmark::State& state) {
    if (game.keeper().files().openText(QByteArray::fromStdString(WriteGame(LongGame(200))), "game")) return true;
    state.SkipWithError("the game was not opened");
    return false;
}

// What keeping a game costs a move: on the windows' thread, writing the
// game as text and handing it over (`median_ms`); on the autosave's own
// thread, replacing the file whole (`write_median_ms`), a game of 100
// moves long.
void BM_Autosave(benchmark::State& state) {
    Game game;
    if (!OpenLongGame(game, state)) return;
    Autosave& autosave = game.keeper().autosave();
    autosave.flush();
    Stopwatch watch;
    std::vector<double> writes;
    for (auto _ : state) {
        watch.restart();
        autosave.save();
        watch.stop(state);
        const Clock::time_point written = Clock::now();
        autosave.flush();
        writes.push_back(std::chrono::duration<double>(Clock::now() - written).count());
    }
    watch.report(state);
    state.counters["write_median_ms"] = Median(writes) * 1e3;
    state.counters["write_p99_ms"] = Percentile(writes, 99) * 1e3;
}
BENCHMARK(BM_Autosave)->Iterations(500)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A burst of moves quicker than the disk, as a game the computer plays
// alone at full speed, then the program ending: how long the end waits
// for the burst's 100 games to be kept.
void BM_AutosaveBurst(benchmark::State& state) {
    Game game;
    if (!OpenLongGame(game, state)) return;
    Autosave& autosave = game.keeper().autosave();
    Stopwatch watch;
    for (auto _ : state) {
        autosave.flush();
        for (int move = 0; move < 100; ++move) autosave.save();
        watch.restart();
        autosave.flush();
        watch.stop(state);
    }
    watch.report(state);
}
BENCHMARK(BM_AutosaveBurst)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

// ----------------------------------------------------- against the computer

// A thread spinning on every core for as long as it lives, as on a machine
// busy with other work.
class BusyCores {
public:
    BusyCores() {
        for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
            spinners_.emplace_back([this] {
                while (!stop_.load(std::memory_order_relaxed)) {
                }
            });
    }
    ~BusyCores() {
        stop_ = true;
        for (std::thread& spinner : spinners_) spinner.join();
    }

private:
    std::atomic<bool> stop_ = false;
    std::vector<std::thread> spinners_;
};

enum class Load { Idle, BusyCores };

// From the release of a player's move to the end of the frame that shows
// the computer's reply on its diamond: the search on its worker thread,
// the glide of the man (300 ms) and the drop. The computer plays blue.
// Under load the windows' time limit on a search is what keeps the wait
// short.
void BM_ComputerReply(benchmark::State& state, const char* level, Load load) {
    std::optional<BusyCores> busy;
    if (load == Load::BusyCores) busy.emplace();
    Game game({.seed = 20240611});
    ComputerPlayer& computer = *game.program().computer();
    game.action(level).trigger();
    game.action("mnuComputerBlue").trigger();
    Stopwatch watch;
    for (auto _ : state) {
        if (!game.shown().cell(0).isEnabled()) {
            game.action("mnuReset").trigger();
            Game::settle();
        }
        QPoint releaseAt;
        const auto move = game.someMove();
        CellBox& source = game.pickUp(move.first, move.second, releaseAt);
        QSignalSpy played(&computer, &ComputerPlayer::played);
        watch.restart();
        QTest::mouseRelease(&source, Qt::LeftButton, {}, releaseAt);
        const bool answered = game.shown().cell(0).isEnabled() ? played.wait(10'000) : true;
        game.finishFrame();
        watch.stop(state);
        if (!answered) {
            state.SkipWithError("the computer did not answer");
            break;
        }
    }
    watch.report(state);
    state.counters["max_ms"] = Percentile(watch.wall, 100) * 1e3;
}
BENCHMARK_CAPTURE(BM_ComputerReply, easy, "mnuEasy", Load::Idle)
    ->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputerReply, medium, "mnuMedium", Load::Idle)
    ->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputerReply, hard, "mnuHard", Load::Idle)
    ->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputerReply, hard_busy_cores, "mnuHard", Load::BusyCores)
    ->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputerReply, expert, "mnuExpert", Load::Idle)
    ->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputerReply, expert_busy_cores, "mnuExpert", Load::BusyCores)
    ->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

// From asking a search to stop to its return with a move, 100 ms into the
// search of the hard level from the starting position.
void BM_SearchCancel(benchmark::State& state) {
    std::vector<double> waits;
    for (auto _ : state) {
        std::atomic<bool> stop = false;
        const engine::Level hard = engine::LevelOf(engine::Strength::Hard, 1);
        Clock::time_point returned;
        std::thread search([&] {
            engine::ChooseMove(engine::GameState::Start(), hard, &stop);
            returned = Clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto asked = Clock::now();
        stop = true;
        search.join();
        waits.push_back(std::chrono::duration<double>(returned - asked).count());
        state.SetIterationTime(waits.back());
    }
    state.counters["median_ms"] = Median(waits) * 1e3;
    state.counters["max_ms"] = Percentile(waits, 100) * 1e3;
}
BENCHMARK(BM_SearchCancel)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

// --------------------------------------------------------------- analysis

// A game of `plies` moves the easy level plays against itself, seeded
// move by move from a fixed seed: a game as players leave it.
std::vector<PlayedMove> EngineGame(std::size_t plies) {
    for (std::uint64_t seed = 1;; ++seed) {
        vintrel::Game game;
        while (game.moves().size() < plies && !game.isOver()) {
            const Cell mustCapture = ObligationOf(game.commitments(), game.position(), game.toMove());
            const auto state = engine::GameState::From(game.position(), game.toMove(), mustCapture);
            const engine::Level easy = engine::LevelOf(engine::Strength::Easy, seed * 1000 + game.moves().size());
            const engine::Move move = engine::ChooseMove(state, easy).move;
            if (move.isNone()) break;
            game.play(move.from, move.to);
        }
        if (game.moves().size() == plies) return game.moves();
    }
}

unsigned ThreadsOf(const benchmark::State& state) {
    return state.range(0) > 0 ? unsigned(state.range(0)) : std::max(1u, std::thread::hardware_concurrency());
}

// A game of 100 moves judged at Medium, on one thread and on every core.
void BM_AnalyseGame(benchmark::State& state) {
    const std::vector<PlayedMove> moves = EngineGame(100);
    const engine::AnalysisOptions options{.strength = engine::Strength::Medium, .threads = ThreadsOf(state)};
    for (auto _ : state) benchmark::DoNotOptimize(engine::AnalyseGame(vintrel::Game{}, moves, options));
    state.counters["threads"] = options.threads;
}
BENCHMARK(BM_AnalyseGame)->Arg(1)->Arg(0)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// From the click on Cancel (0) or the window's close (1) to its return,
// the analysis's threads joined, 200 ms into the analysis of a game of
// 100 moves.
void BM_CancelAnalysis(benchmark::State& state) {
    Game game;
    const QByteArray text = QByteArray::fromStdString(WriteGame({{}, EngineGame(100)}));
    game.keeper().files().openText(text, QStringLiteral("game"));
    AnalysisWindow& window = game.program().analysis();
    auto* cancel = window.findChild<QPushButton*>(QStringLiteral("cmdCancelAnalysis"));
    std::vector<double> waits;
    for (auto _ : state) {
        window.open();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto asked = Clock::now();
        state.range(0) == 0 ? QTest::mouseClick(cancel, Qt::LeftButton) : void(window.close());
        waits.push_back(std::chrono::duration<double>(Clock::now() - asked).count());
        state.SetIterationTime(waits.back());
        if (window.isAnalysing()) {
            state.SkipWithError("the analysis went on");
            break;
        }
    }
    state.counters["median_ms"] = Median(waits) * 1e3;
    state.counters["max_ms"] = Percentile(waits, 100) * 1e3;
}
BENCHMARK(BM_CancelAnalysis)->Arg(0)->Arg(1)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// ------------------------------------------------------------------ idle

// Counts everything that reaches the program while it waits for a player.
class IdleWatch : public QObject {
public:
    int events = 0;
    int timerEvents = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        ++events;
        if (event->type() == QEvent::Timer) ++timerEvents;
        return false;
    }
};

// One second of waiting after start-up. The watch's own one-second timer
// accounts for one wake-up and one timer event.
void BM_IdleSecond(benchmark::State& state) {
    Game game;
    QEventLoop settling;
    QTimer::singleShot(200, &settling, &QEventLoop::quit);
    settling.exec();
    IdleWatch watch;
    int wakeUps = 0;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &watch, [&wakeUps] { ++wakeUps; });
    for (auto _ : state) {
        qApp->installEventFilter(&watch);
        QEventLoop idle;
        QTimer::singleShot(1000, &idle, &QEventLoop::quit);
        idle.exec();
        qApp->removeEventFilter(&watch);
    }
    state.counters["wake_ups"] = wakeUps;
    state.counters["events"] = watch.events;
    state.counters["timer_events"] = watch.timerEvents;
}
BENCHMARK(BM_IdleSecond)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vintrel::bench

int main(int argc, char* argv[]) {
    // The game is measured headless; each cold start names its own platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The players and levels the benchmarks choose are kept in a scratch
    // folder, not in the settings of whoever runs them.
    const QTemporaryDir settings, data;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    // The event loop the game chooses in windows/main.cpp; once the
    // application has its loop, the variable goes again, so that the bare
    // program of the cold starts keeps Qt's default.
    const bool loopChosenOutside = qEnvironmentVariableIsSet("QT_NO_GLIB");
    if (!loopChosenOutside) qputenv("QT_NO_GLIB", "1");
    // The headless platform warns on every raise(), which a real screen
    // carries out; writing those warnings out would be timed with the game.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    if (!loopChosenOutside) qunsetenv("QT_NO_GLIB");
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
