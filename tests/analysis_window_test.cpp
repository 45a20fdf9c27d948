// The analysis window, opened from the Options menu: its list is what the
// engine's tool prints of the same game, its rows and points name the
// position chosen, and Cancel and closing stop the work before they return.
#include "analysis_window.h"
#include "game_driver.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace vintrel {
namespace {

using testing::GameDriver;

QStringList ToolLines(const QString& file) {
    QProcess tool;
    tool.start(QStringLiteral(VINTREL_ENGINE_TOOL), {QStringLiteral("analyse"), file});
    tool.waitForFinished(-1);
    return QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

std::size_t JudgedIn(const AnalysisWindow& window) {
    return std::size_t(std::ranges::count_if(window.verdicts(), &engine::Verdict::judged));
}

class AnalysisWindowTest : public ::testing::Test {
protected:
    AnalysisWindow& openedOn(const char* file) {
        path_ = QStringLiteral(VINTREL_TEST_DATA "/") + QLatin1String(file);
        EXPECT_TRUE(game_.games().files().open(path_));
        game_.trigger("mnuAnalyse");
        return game_.program().analysis();
    }
    // Waits for the summary the analysis ends with.
    static void finish(AnalysisWindow& window) {
        QSignalSpy finished(&window, &AnalysisWindow::summaryShown);
        ASSERT_TRUE(window.isAnalysing());
        ASSERT_TRUE(finished.wait(600'000));
    }
    static void clickRow(QTableWidget& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row, 2)).center());
    }

    GameDriver game_;
    QString path_;
};

TEST_F(AnalysisWindowTest, ListsWhatTheToolPrintsAndNamesThePositionChosen) {
    AnalysisWindow& window = openedOn("thrown_man.vintrel");
    QSignalSpy told(&game_.program().announcer(), &Announcer::told);
    finish(window);
    const QStringList lines = ToolLines(path_);
    QTableWidget& list = window.list();
    ASSERT_EQ(lines.size(), list.rowCount() + 1);
    const QRegularExpression line(QStringLiteral(R"(^ *(\d+)\. (\w+) +(\S+) +best (\S+) .* after +\S+ (\?*)$)"));
    for (int row = 0; row < list.rowCount(); ++row) {
        const QRegularExpressionMatch printed = line.match(lines[row]);
        ASSERT_TRUE(printed.hasMatch()) << lines[row].toStdString();
        // Number, side, move, mark and the engine's move, as the tool prints them.
        const int printedAs[] = {1, 2, 3, 5, 4};
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(list.item(row, column)->text().toLower(), printed.captured(printedAs[column])) << row;
    }
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblAnalysis"))->text(), lines.last());
    EXPECT_TRUE(told.contains(QVariantList{lines.last()}));
    EXPECT_FALSE(game_.model().isBrowsing()) << "an analysis shows the board nothing until a move is chosen";

    // 3. red 76-56 throws a man away where 71-53 keeps him: a marked point.
    QSignalSpy chosen(&window, &AnalysisWindow::positionChosen);
    QScatterSeries *mistakes = nullptr, *blunders = nullptr;
    for (QAbstractSeries* series : window.chart().series()) {
        if (series->objectName() == QLatin1String("serMistakes")) mistakes = qobject_cast<QScatterSeries*>(series);
        if (series->objectName() == QLatin1String("serBlunders")) blunders = qobject_cast<QScatterSeries*>(series);
    }
    ASSERT_TRUE(mistakes && blunders);
    ASSERT_EQ(mistakes->count(), 1);
    EXPECT_EQ(blunders->count(), 0);
    auto* view = window.findChild<QChartView*>(QStringLiteral("grfAnalysis"));
    EXPECT_EQ(view->accessibleName(), "Red's score after each move");
    const QPointF onChart = window.chart().mapToPosition(mistakes->at(0), mistakes);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(window.chart().mapToScene(onChart)));
    ASSERT_FALSE(chosen.isEmpty());
    const std::optional<PlayedMove> better = PlayedMove{71, 53, false};
    EXPECT_EQ(chosen.last(), (QVariantList{QVariant::fromValue(std::size_t(4)), QVariant::fromValue(better)}));
    // The board shows the position as browsing does, the better move drawn.
    EXPECT_EQ(game_.model().shownPly(), 4u);
    EXPECT_EQ(game_.shown().position(), game_.gameState().after(4).position());
    auto* arrow = game_.shown().findChild<QWidget*>(QStringLiteral("arrow"));
    ASSERT_NE(arrow, nullptr);
    EXPECT_TRUE(arrow->isVisible());
    for (Cell end : {71, 53}) EXPECT_TRUE(arrow->geometry().adjusted(-2, -2, 2, 2).contains(game_.shown().cellCentre(end).toPoint()));
    // Blue's answer is the engine's own: no better move.
    clickRow(list, 5);
    EXPECT_EQ(chosen.last(),
              (QVariantList{QVariant::fromValue(std::size_t(5)), QVariant::fromValue(std::optional<PlayedMove>())}));
    EXPECT_EQ(game_.model().shownPly(), 5u);
    EXPECT_FALSE(arrow->isVisible());

    // On a changed game it starts afresh.
    game_.model().takeBack();
    game_.trigger("mnuAnalyse");
    EXPECT_TRUE(window.isAnalysing());
    window.close();
    EXPECT_EQ(window.verdicts().size(), 6u);
}

TEST_F(AnalysisWindowTest, CancelAndClosingStopTheWorkBeforeTheyReturn) {
    AnalysisWindow& window = openedOn("missed_win.vintrel");
    ASSERT_TRUE(window.isAnalysing());
    // The bar follows the positions judged while the rest are still ahead.
    QSignalSpy advanced(window.findChild<QProgressBar*>(QStringLiteral("barAnalysis")), &QProgressBar::valueChanged);
    ASSERT_TRUE(advanced.wait(600'000));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdCancelAnalysis")), Qt::LeftButton);
    EXPECT_FALSE(window.isAnalysing());
    EXPECT_LT(JudgedIn(window), window.verdicts().size());
    // The news the analysis posted before it stopped changes nothing.
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("lblAnalysis"))->text().startsWith(u"Analysis cancelled"));

    // Cut short, it starts again when opened again.
    game_.trigger("mnuAnalyse");
    EXPECT_TRUE(window.isAnalysing());
    window.close();
    EXPECT_FALSE(window.isAnalysing());
    EXPECT_LT(JudgedIn(window), window.verdicts().size());
}

}  // namespace
}  // namespace vintrel
