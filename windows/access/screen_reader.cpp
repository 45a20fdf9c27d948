#include "screen_reader.h"

#include "board_window.h"
#include "game_model.h"
#include "view_pair.h"
#include "words.h"

#include <QAccessibleWidget>
#include <QApplication>

namespace vintrel {
namespace {

class CellInterface : public QAccessibleWidget {
public:
    explicit CellInterface(CellBox* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && isHeld()) text += Announcer::tr(", held");
        return text;
    }

private:
    bool isHeld() const {
        const auto* window = qobject_cast<const BoardWindow*>(widget()->window());
        return window && window->heldFrom() == static_cast<const CellBox*>(widget())->index();
    }
};

QAccessibleInterface* CellInterfaceFor(const QString& className, QObject* object) {
    if (className != QLatin1String(CellBox::staticMetaObject.className())) return nullptr;
    return new CellInterface(static_cast<CellBox*>(object));
}

}  // namespace

void InstallCellAccessibility() { QAccessible::installFactory(&CellInterfaceFor); }

Announcer::Announcer(ViewPair& pair) : pair_(pair), model_(pair.model()) {
    pair.forEachWindow(this, [this](BoardWindow& window) {
        describeTurn(window);
        connect(&window, &BoardWindow::messageShown, this,
                [this, &window](const QString& message) { tell(window, message); });
    });
    connect(&pair, &ViewPair::viewShown, this, &Announcer::describeTurn);
    connect(&model_, &GameModel::changed, this, [this] {
        for (BoardWindow* window : pair_.builtWindows()) describeTurn(*window);
    });
    connect(&model_, &GameModel::moved, this, &Announcer::tellMove);
    connect(&model_, &GameModel::loaded, this, &Announcer::tellOpenedGame);
    // News left on a widget the focus has left would be read again later,
    // as if new.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
        if (old && old == newsHolder_) forgetNews();
    });
}

void Announcer::describeTurn(BoardWindow& window) {
    // At the end the turn has not passed: the side to move is the winner.
    const QString side = Words::side(model_.game().toMove());
    window.setAccessibleDescription(window.hasEnded() ? Words::won(side) : Words::toMove(side));
}

void Announcer::tellMove(Side mover, const PlayedMove& move) {
    // Told in the view the move brought up, or in the same one where the
    // switch is off.
    BoardWindow* shown = pair_.shown();
    if (!shown) return;
    QString news = tr("%1 moved %2 to %3").arg(Words::side(mover)).arg(move.from).arg(move.to);
    if (move.captures) news += tr(", captures");
    if (shown->hasEnded()) news += tr(". GAME OVER!!");
    tell(*shown, news);
}

// One piece of news for the whole game, in place of one a move.
void Announcer::tellOpenedGame() {
    BoardWindow* shown = pair_.shown();
    if (!shown) return;
    const Game& game = model_.game();
    const QString side = Words::sideWithin(game.toMove());
    const QString state = game.isOver() ? Words::won(side) : Words::toMove(side);
    tell(*shown, tr("Game opened: %1 moves, %2").arg(game.moves().size()).arg(state));
}

void Announcer::tell(QWidget& window, const QString& news) {
    QWidget* listener = window.focusWidget();
    if (!listener) return;
    // Cleared first, so that the same news twice is still a change.
    forgetNews();
    listener->setAccessibleDescription(news);
    newsHolder_ = listener;
    emit told(news);
}

void Announcer::forgetNews() {
    if (newsHolder_) newsHolder_->setAccessibleDescription(QString());
    newsHolder_ = nullptr;
}

}  // namespace vintrel
