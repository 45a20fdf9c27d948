// The analysis of a game: the same verdicts on any number of threads, the
// graph's scores from red's side, and a cancel that returns with what was
// judged by then.
#include "analysis.h"
#include "notation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vintrel::engine {
namespace {

std::vector<PlayedMove> MovesOf(const std::string& file) {
    std::ifstream in(VINTREL_TEST_DATA "/" + file);
    std::stringstream text;
    text << in.rdbuf();
    const ReadResult read = ReadGame(text.str());
    return read.game ? read.game->moves : std::vector<PlayedMove>{};
}

std::size_t JudgedIn(const std::vector<Verdict>& verdicts) {
    return std::size_t(std::ranges::count_if(verdicts, &Verdict::judged));
}

// Red lets the win at the corner go on the 41st move.
class MissedWin : public ::testing::Test {
protected:
    const std::vector<PlayedMove> moves_ = MovesOf("missed_win.vintrel");
    const std::vector<Verdict> alone_ = AnalyseGame(Game{}, moves_, {.strength = Strength::Easy, .threads = 1});
};

TEST_F(MissedWin, TwoThreadsJudgeAsOneDoes) {
    ASSERT_EQ(moves_.size(), 41u);
    ASSERT_EQ(JudgedIn(alone_), moves_.size());
    EXPECT_EQ(AnalyseGame(Game{}, moves_, {.strength = Strength::Easy, .threads = 2}), alone_);
    EXPECT_EQ(alone_[40].mark, "??");
    EXPECT_EQ(alone_[40].best, (PlayedMove{8, 9, false}));
    EXPECT_EQ(CountMarked(alone_), 5);
}

TEST_F(MissedWin, TheGraphScoresFromRedsSideWithinTenMen) {
    // Blue's 27-38 loses: a win for red, at the top of the graph.
    EXPECT_TRUE(IsLoss(alone_[39].playedScore));
    EXPECT_EQ(alone_[39].redScore, GraphScoreLimit);
    // Blue's 19-8 gives six men away; red's 66-44 throws the win away.
    EXPECT_EQ(alone_[37].redScore, -alone_[37].playedScore);
    EXPECT_GT(alone_[37].redScore, 0);
    EXPECT_EQ(alone_[40].redScore, alone_[40].playedScore);
}

TEST_F(MissedWin, ACancelReturnsWithWhatWasJudged) {
    for (unsigned threads : {1u, 2u}) {
        std::atomic<bool> cancel = false;
        const std::vector<Verdict> verdicts =
            AnalyseGame(Game{}, moves_,
                        {.strength = Strength::Easy, .threads = threads, .cancel = &cancel,
                         .onProgress = [&cancel](std::size_t, std::size_t) { cancel = true; }});
        ASSERT_EQ(verdicts.size(), moves_.size());
        EXPECT_GE(JudgedIn(verdicts), 1u);
        EXPECT_LE(JudgedIn(verdicts), threads);
        for (std::size_t ply = 0; ply < verdicts.size(); ++ply) {
            EXPECT_EQ(verdicts[ply].played, moves_[ply]);
            if (verdicts[ply].judged) {
                EXPECT_EQ(verdicts[ply], alone_[ply]) << ply;
            }
        }
    }
}

}  // namespace
}  // namespace vintrel::engine
