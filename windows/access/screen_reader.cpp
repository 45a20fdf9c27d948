#include "screen_reader.h"

#include "board_window.h"
#include "view_pair.h"

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

QString SideName(Side side) { return side == Side::Red ? Announcer::tr("Red") : Announcer::tr("Blue"); }

}  // namespace

void InstallCellAccessibility() { QAccessible::installFactory(&CellInterfaceFor); }

Announcer::Announcer(ViewPair& pair) : pair_(pair) {
    pair.forEachWindow(this, [this](BoardWindow& window) {
        connect(&window, &BoardWindow::gameChanged, this, [this, &window] { describeTurn(window); });
        connect(&window, &BoardWindow::moveStood, this, &Announcer::tellMove);
        connect(&window, &BoardWindow::messageShown, this,
                [this, &window](const QString& message) { tell(window, message); });
    });
    connect(&pair, &ViewPair::replayEnded, this, &Announcer::tellNews);
    // News left on a widget the focus has left would be read again later,
    // as if new.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
        if (old && old == newsHolder_) forgetNews();
    });
}

void Announcer::describeTurn(BoardWindow& window) {
    // At the end the turn has not passed: the side to move is the winner.
    const QString side = SideName(window.state().Turn);
    window.setAccessibleDescription(window.hasEnded() ? tr("GAME OVER!! %1 won").arg(side)
                                                     : tr("%1 to move").arg(side));
}

void Announcer::tellMove(Side mover, Cell from, Cell to, bool captures) {
    // Told in the view the move brought up, or in the same one where the
    // switch is off.
    BoardWindow* shown = pair_.shown();
    // A replayed game is told once, at its end.
    if (!shown || pair_.isReplaying()) return;
    QString news = tr("%1 moved %2 to %3").arg(SideName(mover)).arg(from).arg(to);
    if (captures) news += tr(", captures");
    if (shown->hasEnded()) news += tr(". GAME OVER!!");
    tell(*shown, news);
}

void Announcer::tellNews(const QString& news) {
    if (BoardWindow* shown = pair_.shown()) tell(*shown, news);
}

void Announcer::tell(BoardWindow& window, const QString& news) {
    QWidget* listener = window.focusWidget();
    if (!listener) return;
    // Cleared first, so that the same news twice is still a change.
    forgetNews();
    listener->setAccessibleDescription(news);
    newsHolder_ = listener;
}

void Announcer::forgetNews() {
    if (newsHolder_) newsHolder_->setAccessibleDescription(QString());
    newsHolder_ = nullptr;
}

}  // namespace vintrel
