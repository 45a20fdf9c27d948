// "VINTREL ANALYSIS": the game as it stands, each move judged by the engine
// at Medium on every core while the windows go on, a graph of the score
// after each move from red's side and a list of the moves with their marks
// and the engine's choice. Choosing a point or a row names the position
// before that move.
#pragma once

#include "analysis.h"
#include "game.h"

#include <QWidget>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

class QChart;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QTableWidget;

namespace vintrel {

class GameModel;

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(const GameModel& model);
    // Stops the work at once: the program never waits for an analysis.
    ~AnalysisWindow() override;

    // Shows the window, analysing the game afresh unless it is the one
    // analysed to its end already.
    void open();
    // Returns once the analysis has stopped, with what it had judged.
    void cancel();
    bool isAnalysing() const { return worker_.joinable(); }
    // The verdicts shown; a cancelled analysis leaves some unjudged.
    const std::vector<engine::Verdict>& verdicts() const { return verdicts_; }
    QTableWidget& list() const { return *list_; }
    QChart& chart() const { return *chart_; }

signals:
    // `ply` moves were played before the move chosen; `better` is the move
    // the engine would have played in their place, when it differs.
    void positionChosen(std::size_t ply, std::optional<vintrel::PlayedMove> better);
    // The summary, shown and to be told to a screen reader.
    void summaryShown(const QString& summary);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QWidget* buildChart();
    QWidget* buildList();
    void start();
    void launch(std::uint64_t run);
    void stop();
    void showProgress(std::uint64_t run, std::size_t judged, std::size_t total);
    void finish(std::uint64_t run);
    void showVerdicts();
    void fillGraph();
    void fillList();
    void choose(std::size_t ply);

    const GameModel& model_;
    // What was asked for: the game from its start, and its moves.
    Game start_;
    std::vector<PlayedMove> moves_;
    bool complete_ = false;
    std::vector<engine::Verdict> verdicts_;

    // Written by the worker, read once it is joined.
    std::vector<engine::Verdict> found_;
    std::atomic<bool> cancel_ = false;
    std::uint64_t run_ = 0;
    std::jthread worker_;

    QProgressBar* progress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* summary_ = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* scores_ = nullptr;
    QScatterSeries* mistakes_ = nullptr;
    QScatterSeries* blunders_ = nullptr;
    QTableWidget* list_ = nullptr;
};

}  // namespace vintrel
