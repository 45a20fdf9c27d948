// The autosave against SIGKILL at random instants: the child plays a
// seeded game through the real autosave, and is killed after a random
// delay, 100 times over. After every kill last-game.vintrel is absent (no
// move written yet) or reads as the first k moves of that child's game,
// k at least one less than the moves it had reported played; nothing else
// is left in the folder but the temporary of a write the kill cut short,
// which the next start removes.
//
// VINTREL_KILL_SEED=n chooses the delays and games; VINTREL_KILLS=n how many.
#include "notation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sstream>
#include <thread>

namespace vintrel {
namespace {

struct ChildRun {
    std::vector<PlayedMove> begun;  // every move it began, in order
    std::size_t reported = 0;       // moves it said it had played
    bool done = false;
    std::string output;
};

ChildRun ParseOutput(const QByteArray& output) {
    ChildRun run;
    run.output = output.toStdString();
    std::istringstream lines(run.output);
    for (std::string word; lines >> word;) {
        if (word == "playing") {
            std::size_t n = 0;
            int from = 0, to = 0;
            char dash = 0;
            lines >> n >> from >> dash >> to;
            run.begun.push_back({Cell(from), Cell(to), false});
        } else if (word == "played") {
            lines >> run.reported;
        } else if (word == "done") {
            run.done = true;
        }
    }
    return run;
}

// Runs the child on `seed` with `data` as its data folder, killed after
// `delay`, or left to finish when there is none.
ChildRun RunChild(unsigned seed, const QString& data, std::optional<std::chrono::microseconds> delay) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(VINTREL_KILL_CHILD), {QString::number(seed)});
    if (!child.waitForStarted()) throw std::runtime_error("the child did not start");
    if (delay) {
        std::this_thread::sleep_for(*delay);
        ::kill(pid_t(child.processId()), SIGKILL);
    }
    child.waitForFinished(-1);
    return ParseOutput(child.readAllStandardOutput());
}

QString GameFile(const QString& data) { return data + QStringLiteral("/vintrel/last-game.vintrel"); }

const QString PlantedWrite = QStringLiteral("last-game.vintrel.Killed");

// A half-written temporary as an earlier kill leaves it.
void PlantKilledWrite(const QString& data) {
    QDir().mkpath(data + QStringLiteral("/vintrel"));
    QFile planted(data + QStringLiteral("/vintrel/") + PlantedWrite);
    if (!planted.open(QIODevice::WriteOnly) || planted.write("[Event \"half") < 0)
        throw std::runtime_error("the planted temporary could not be written");
}

// Empty when the folder holds what it should after the child's end: the
// planted temporary gone once the child has started playing, and nothing
// but the game and perhaps the temporary of the write this kill cut short.
std::string Verdict(const QString& data, const ChildRun& run) {
    const QDir folder(data + QStringLiteral("/vintrel"));
    QStringList left = folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    left.removeOne(QStringLiteral("last-game.vintrel"));
    if (!run.begun.empty() && left.contains(PlantedWrite)) return "the start left an earlier write's temporary";
    left.removeOne(PlantedWrite);
    const QStringList killedWrites = left.filter(QRegularExpression(QStringLiteral("^last-game\\.vintrel\\.\\w{6}$")));
    if (left.size() > 1 || left != killedWrites)
        return "the folder holds " + left.join(QStringLiteral(", ")).toStdString();
    QFile file(GameFile(data));
    if (!file.exists())
        return run.reported <= 1 ? "" : "no game kept after " + std::to_string(run.reported) + " moves played";
    if (!file.open(QIODevice::ReadOnly)) return "the game cannot be read";
    const QByteArray text = file.readAll();
    const ReadResult read = ReadGame(std::string_view(text.constData(), std::size_t(text.size())));
    if (!read.game) return "a file that is not a game: " + read.error->describe("last-game.vintrel");
    const std::vector<PlayedMove>& kept = read.game->moves;
    const std::size_t k = kept.size();
    if (k + 1 < run.reported) return std::to_string(k) + " moves kept of " + std::to_string(run.reported) + " played";
    if (k > run.begun.size()) return std::to_string(k) + " moves kept of " + std::to_string(run.begun.size()) + " begun";
    for (std::size_t i = 0; i < k; ++i)
        if (kept[i].from != run.begun[i].from || kept[i].to != run.begun[i].to)
            return "move " + std::to_string(i + 1) + " kept is not the game's";
    return "";
}

unsigned EnvironmentOr(const char* name, unsigned fallback) {
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

TEST(AutosaveKill, NothingIsLostOrLeftBehindWhereverTheKillLands) {
    const unsigned seed = EnvironmentOr("VINTREL_KILL_SEED", 2412);
    const unsigned kills = EnvironmentOr("VINTREL_KILLS", 100);
    std::printf("kill seed %u, %u kills\n", seed, kills);
    std::mt19937 random(seed);

    // One game played out whole measures the span the kills fall in.
    QTemporaryDir whole;
    PlantKilledWrite(whole.path());
    QElapsedTimer clock;
    clock.start();
    const ChildRun finished = RunChild(random(), whole.path(), std::nullopt);
    const auto span = std::chrono::microseconds(clock.nsecsElapsed() / 1000);
    ASSERT_TRUE(finished.done) << finished.output;
    ASSERT_EQ(Verdict(whole.path(), finished), "");

    int early = 0;
    const QTemporaryDir data;
    for (unsigned kill = 1; kill <= kills; ++kill) {
        QFile::remove(GameFile(data.path()));
        PlantKilledWrite(data.path());
        const unsigned gameSeed = random();
        const auto delay = std::chrono::microseconds(random() % std::uint64_t(span.count() + 1));
        const ChildRun run = RunChild(gameSeed, data.path(), delay);
        early += run.reported == 0;
        const std::string verdict = Verdict(data.path(), run);
        ASSERT_EQ(verdict, "") << "kill " << kill << " of " << kills << " (seed " << seed << "): game seed "
                               << gameSeed << ", killed after " << delay.count() << " us, "
                               << run.reported << " moves reported played";
    }
    std::printf("%u kills, %d of them before the first move\n", kills, early);
}

}  // namespace
}  // namespace vintrel
