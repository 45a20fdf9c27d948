#include "analysis_window.h"

#include "game_model.h"
#include "words.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vintrel {
namespace {

enum Column { Number, SideColumn, MoveColumn, MarkColumn, BestColumn, ColumnCount };

bool SameGame(const Game& a, const Game& b) {
    return a.position() == b.position() && a.toMove() == b.toMove() && a.moves() == b.moves();
}

QString Text(const PlayedMove& move) { return QString::fromStdString(MoveText(move)); }

QScatterSeries* Points(const char* objectName, const QString& name, QColor colour) {
    auto* points = new QScatterSeries;
    points->setObjectName(QLatin1String(objectName));
    points->setName(name);
    points->setColor(colour);
    points->setMarkerSize(11);
    return points;
}

}  // namespace

AnalysisWindow::AnalysisWindow(const GameModel& model) : model_(model) { build(); }

AnalysisWindow::~AnalysisWindow() { stop(); }

void AnalysisWindow::build() {
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(tr("VINTREL ANALYSIS"));
    resize(520, 640);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("barAnalysis"));
    cancelButton_ = new QPushButton(tr("Cancel"));
    cancelButton_->setObjectName(QStringLiteral("cmdCancelAnalysis"));
    connect(cancelButton_, &QPushButton::clicked, this, &AnalysisWindow::cancel);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("lblAnalysis"));
    auto* working = new QHBoxLayout;
    working->addWidget(progress_);
    working->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChart(), 3);
    layout->addWidget(buildList(), 2);
    layout->addLayout(working);
    layout->addWidget(summary_);
}

QWidget* AnalysisWindow::buildList() {
    list_ = new QTableWidget(0, ColumnCount);
    list_->setObjectName(QStringLiteral("lstAnalysis"));
    list_->setAccessibleName(tr("Moves judged"));
    list_->setHorizontalHeaderLabels({tr("No."), tr("Side"), tr("Move"), tr("Mark"), tr("Engine's move")});
    list_->verticalHeader()->hide();
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(list_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow) {
        if (row >= 0 && row != previousRow) choose(std::size_t(row));
    });
    return list_;
}

QWidget* AnalysisWindow::buildChart() {
    chart_ = new QChart;
    chart_->setObjectName(QStringLiteral("chtAnalysis"));
    scores_ = new QLineSeries;
    scores_->setObjectName(QStringLiteral("serScores"));
    scores_->setName(tr("Red's score"));
    mistakes_ = Points("serMistakes", QStringLiteral("?"), QColor(230, 150, 0));
    blunders_ = Points("serBlunders", QStringLiteral("??"), QColor(200, 0, 0));
    auto* moves = new QValueAxis;
    moves->setObjectName(QStringLiteral("axMoves"));
    moves->setLabelFormat(QStringLiteral("%d"));
    auto* score = new QValueAxis;
    score->setObjectName(QStringLiteral("axScore"));
    score->setRange(-engine::GraphScoreLimit, engine::GraphScoreLimit);
    score->setLabelFormat(QStringLiteral("%+d"));
    chart_->addAxis(moves, Qt::AlignBottom);
    chart_->addAxis(score, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{scores_, mistakes_, blunders_}) {
        chart_->addSeries(series);
        series->attachAxis(moves);
        series->attachAxis(score);
        // A point stands for the move that led to it.
        connect(series, &QXYSeries::clicked, this, [this](const QPointF& point) {
            const long move = std::lround(point.x());
            if (move >= 1) choose(std::size_t(move - 1));
        });
    }
    auto* view = new QChartView(chart_);
    view->setObjectName(QStringLiteral("grfAnalysis"));
    view->setAccessibleName(tr("Red's score after each move"));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

void AnalysisWindow::open() {
    const Game& game = model_.game();
    const bool same = SameGame(start_, game.after(0)) && moves_ == game.moves();
    if (!same || (!complete_ && !isAnalysing())) start();
    show();
    raise();
    activateWindow();
}

void AnalysisWindow::start() {
    stop();
    const Game& game = model_.game();
    start_ = game.after(0);
    moves_ = game.moves();
    complete_ = false;
    verdicts_.clear();
    showVerdicts();
    summary_->clear();
    progress_->setRange(0, int(moves_.size()));
    progress_->setValue(0);
    cancelButton_->setEnabled(true);
    launch(++run_);
}

// On a thread of its own, which spreads the positions over every core.
void AnalysisWindow::launch(std::uint64_t run) {
    cancel_ = false;
    const engine::AnalysisOptions options{
        .strength = engine::Strength::Medium,
        .threads = std::max(std::thread::hardware_concurrency(), 1u),
        .cancel = &cancel_,
        .onProgress = [this, run](std::size_t judged, std::size_t total) {
            QMetaObject::invokeMethod(this, [=, this] { showProgress(run, judged, total); }, Qt::QueuedConnection);
        }};
    worker_ = std::jthread([this, run, options, start = start_, moves = moves_] {
        found_ = engine::AnalyseGame(start, moves, options);
        // Posted to this window: should it be gone by then, so is the news.
        QMetaObject::invokeMethod(this, [this, run] { finish(run); }, Qt::QueuedConnection);
    });
}

// The searches end within a few thousand nodes of the cancel.
void AnalysisWindow::stop() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void AnalysisWindow::cancel() {
    if (!isAnalysing()) return;
    stop();
    verdicts_ = std::move(found_);
    showVerdicts();
    const auto judged = std::ranges::count_if(verdicts_, &engine::Verdict::judged);
    summary_->setText(tr("Analysis cancelled: %1 of %2 moves judged").arg(judged).arg(verdicts_.size()));
    cancelButton_->setEnabled(false);
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
}

void AnalysisWindow::showProgress(std::uint64_t run, std::size_t judged, std::size_t total) {
    if (run != run_ || !isAnalysing()) return;
    // Threads finish out of turn: their counts may arrive so too.
    progress_->setMaximum(int(total));
    progress_->setValue(std::max(progress_->value(), int(judged)));
}

void AnalysisWindow::finish(std::uint64_t run) {
    if (run != run_ || !isAnalysing()) return;
    worker_.join();
    verdicts_ = std::move(found_);
    complete_ = true;
    progress_->setValue(progress_->maximum());
    cancelButton_->setEnabled(false);
    showVerdicts();
    const QString summary = tr("analysed %1 moves: %2 blunders").arg(verdicts_.size()).arg(engine::CountMarked(verdicts_));
    summary_->setText(summary);
    emit summaryShown(summary);
}

void AnalysisWindow::showVerdicts() {
    fillGraph();
    fillList();
}

void AnalysisWindow::fillGraph() {
    QList<QPointF> scores, mistakes, blunders;
    for (std::size_t ply = 0; ply < verdicts_.size(); ++ply) {
        const engine::Verdict& verdict = verdicts_[ply];
        if (!verdict.judged) continue;
        const QPointF point(double(ply + 1), verdict.redScore);
        scores << point;
        if (verdict.mark == "?") mistakes << point;
        if (verdict.mark == "??") blunders << point;
    }
    scores_->replace(scores);
    mistakes_->replace(mistakes);
    blunders_->replace(blunders);
    chart_->axes(Qt::Horizontal).first()->setRange(0, std::max<double>(double(moves_.size()), 1));
}

void AnalysisWindow::fillList() {
    const QSignalBlocker quiet(list_);
    list_->setRowCount(int(verdicts_.size()));
    for (std::size_t ply = 0; ply < verdicts_.size(); ++ply) {
        const engine::Verdict& verdict = verdicts_[ply];
        const int row = int(ply);
        const bool hasBest = verdict.judged && verdict.best.from != NoCell;
        list_->setItem(row, Number, new QTableWidgetItem(QString::number(ply / 2 + 1)));
        const Side mover = ply % 2 == 0 ? start_.toMove() : Opponent(start_.toMove());
        list_->setItem(row, SideColumn, new QTableWidgetItem(Words::side(mover)));
        list_->setItem(row, MoveColumn, new QTableWidgetItem(Text(verdict.played)));
        const QString mark = QString::fromLatin1(verdict.mark.data(), qsizetype(verdict.mark.size()));
        list_->setItem(row, MarkColumn, new QTableWidgetItem(mark));
        list_->setItem(row, BestColumn, new QTableWidgetItem(hasBest ? Text(verdict.best) : QString()));
    }
}

void AnalysisWindow::choose(std::size_t ply) {
    if (ply >= verdicts_.size()) return;
    const engine::Verdict& verdict = verdicts_[ply];
    std::optional<PlayedMove> better;
    if (verdict.judged && verdict.best.from != NoCell &&
        (verdict.best.from != verdict.played.from || verdict.best.to != verdict.played.to))
        better = verdict.best;
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentCell(int(ply), Number);
    }
    emit positionChosen(ply, better);
}

}  // namespace vintrel
