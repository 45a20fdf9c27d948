#include "program.h"

#include "board_window.h"
#include "startup.h"

namespace vintrel {

Program::Program(const PictureFiles& pictures, const ProgramOptions& options)
    : views_(model_, pictures),
      computer_(makeComputer(options)),
      games_(model_, views_, [this](Side side) { return playerName(side); }) {
    views_.setComputerSide([this] { return computerSide(); });
    views_.forEachWindow(&views_, [](BoardWindow& window) { GiveIconAfterFirstFrame(window, *window.board()); });
    views_.forEachWindow(&views_, [this](BoardWindow& window) {
        window.addMenuItem(BoardWindow::Menu::Options, "mnuAnalyse", AnalysisWindow::tr("&Analyse Game…"),
                           [this] { openAnalysis(); }, &window.exitItem());
    });
    games_.moveList().setAnalyse([this] { openAnalysis(); });
    QObject::connect(&views_, &ViewPair::programEnded, &views_, [this] {
        if (analysis_) analysis_->close();
    });
}

AnalysisWindow& Program::analysis() {
    if (analysis_) return *analysis_;
    analysis_ = std::make_unique<AnalysisWindow>(model_);
    QObject::connect(analysis_.get(), &AnalysisWindow::summaryShown, &announcer_,
                     [this](const QString& summary) { announcer_.tell(*analysis_, summary); });
    QObject::connect(analysis_.get(), &AnalysisWindow::positionChosen, &views_,
                     [this](std::size_t ply, std::optional<PlayedMove> better) { showAnalysed(ply, better); });
    return *analysis_;
}

// The position before the move chosen in the analysis, as browsing shows
// it, with the engine's better move drawn over the board.
void Program::showAnalysed(std::size_t ply, std::optional<PlayedMove> better) {
    model_.browse(ply);
    if (BoardWindow* window = views_.shown()) window->showArrow(better);
}

std::unique_ptr<ComputerPlayer> Program::makeComputer(const ProgramOptions& options) {
    if (!options.computer) return nullptr;
    auto computer = std::make_unique<ComputerPlayer>(views_, options.seed);
    if (!options.glide) computer->setGlideDuration(0);
    if (options.computerPauseMs) computer->setMovePause(*options.computerPauseMs);
    computer->setNodeCap(options.nodeCap);
    return computer;
}

std::optional<Side> Program::computerSide() const { return computer_ ? computer_->soleSide() : std::nullopt; }

// As a game's record names them: "Player", "Computer (Hard)".
std::string Program::playerName(Side side) const {
    if (!computer_ || !computer_->plays(side)) return "Player";
    QString level = QString::fromLatin1(engine::NameOf(computer_->menu().strength()));
    level[0] = level[0].toUpper();
    return QStringLiteral("Computer (%1)").arg(level).toStdString();
}

}  // namespace vintrel
