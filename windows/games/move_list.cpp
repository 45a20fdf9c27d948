#include "move_list.h"

#include "board_window.h"
#include "game_files.h"
#include "game_model.h"
#include "view_pair.h"
#include "words.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>

namespace vintrel {
namespace {

QString SideName(std::size_t index) { return Words::sideWithin(index % 2 == 0 ? Side::Red : Side::Blue); }

// "12. blue 34x56" to see, "12. blue 34 to 56, captures" to hear.
QListWidgetItem* RowOf(std::size_t index, const PlayedMove& move) {
    const QString number = QStringLiteral("%1.").arg(index / 2 + 1);
    auto* row = new QListWidgetItem(
        QStringLiteral("%1 %2 %3").arg(number, SideName(index), QString::fromStdString(MoveText(move))));
    QString spoken = MoveList::tr("%1 %2 %3 to %4").arg(number, SideName(index)).arg(move.from).arg(move.to);
    if (move.captures) spoken += MoveList::tr(", captures");
    row->setData(Qt::AccessibleTextRole, spoken);
    return row;
}

}  // namespace

MoveList::MoveList(ViewPair& views, GameModel& model, GameFiles& files,
                   std::function<std::optional<Side>()> computerSide)
    : views_(views), model_(model), files_(files), computerSide_(std::move(computerSide)) {
    connect(&model, &GameModel::moved, this, &MoveList::follow);
    connect(&model, &GameModel::tookBack, this, &MoveList::follow);
    connect(&model, &GameModel::newGameBegun, this, &MoveList::follow);
    connect(&model, &GameModel::loaded, this, &MoveList::refill);
    connect(&model, &GameModel::arranged, this, &MoveList::refill);
    connect(&views, &ViewPair::programEnded, this, [this] {
        if (window_) window_->close();
    });
    views.forEachWindow(this, [this](BoardWindow& window) { addItem(window); });
}

MoveList::~MoveList() {
    // Closing the window as it goes must not reach the menu items.
    if (window_) window_->removeEventFilter(this);
}

// Built when first shown: most games never ask for it.
void MoveList::build() {
    if (window_) return;
    window_ = std::make_unique<QWidget>();
    list_ = new QListWidget(window_.get());
    window_->setObjectName(QStringLiteral("frmMoves"));
    window_->setWindowTitle(tr("VINTREL MOVES"));
    window_->resize(220, 360);
    window_->installEventFilter(this);
    list_->setObjectName(QStringLiteral("lstMoves"));
    list_->setAccessibleName(tr("Moves"));
    (new QVBoxLayout(window_.get()))->addWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* row) { chosen(list_->row(row)); });
    connect(new QShortcut(QKeySequence::Copy, window_.get()), &QShortcut::activated, this, &MoveList::copyGame);
    connect(new QShortcut(QKeySequence::Paste, window_.get()), &QShortcut::activated, this, &MoveList::pasteGame);
    refill();
}

QWidget& MoveList::window() {
    build();
    return *window_;
}

QListWidget& MoveList::list() {
    build();
    return *list_;
}

void MoveList::addItem(BoardWindow& window) {
    QAction* item = window.addMenuItem(BoardWindow::Menu::View, "mnuMoves", tr("&Move List"), {});
    item->setCheckable(true);
    item->setChecked(window_ && window_->isVisible());
    connect(item, &QAction::triggered, this, &MoveList::setShown);
    items_ << item;
}

void MoveList::setShown(bool shown) {
    for (QAction* item : items_)
        if (item) item->setChecked(shown);
    if (shown) build();
    if (!window_ || shown == window_->isVisible()) return;
    if (!shown) {
        window_->hide();
        return;
    }
    if (BoardWindow* board = views_.shown()) window_->move(board->frameGeometry().topRight() + QPoint(8, 0));
    window_->show();
}

bool MoveList::eventFilter(QObject* watched, QEvent* event) {
    // Closed by its own title bar: the menu item follows.
    if (window_ && watched == window_.get() && event->type() == QEvent::Hide)
        for (QAction* item : items_)
            if (item) item->setChecked(false);
    return QObject::eventFilter(watched, event);
}

void MoveList::follow() {
    if (!window_) return;
    const std::vector<PlayedMove>& moves = model_.game().moves();
    const std::size_t listed = std::size_t(list_->count());
    if (moves.size() == listed + 1)
        list_->addItem(RowOf(listed, moves.back()));
    else if (moves.size() + 1 == listed)
        delete list_->takeItem(int(moves.size()));
    else
        refill();
    list_->setCurrentRow(list_->count() - 1);
}

void MoveList::refill() {
    if (!window_) return;
    const std::vector<PlayedMove>& moves = model_.game().moves();
    list_->clear();
    for (std::size_t i = 0; i < moves.size(); ++i) list_->addItem(RowOf(i, moves[i]));
    list_->setCurrentRow(list_->count() - 1);
}

void MoveList::chosen(int row) {
    std::size_t count = std::size_t(row) + 1;
    // Against the computer the game goes back to a position where the
    // player is to move: an even count leaves red to move.
    const std::optional<Side> computer = computerSide_();
    const Side toMove = count % 2 == 0 ? Side::Red : Side::Blue;
    if (computer && toMove == *computer && count > 0) --count;
    if (count >= model_.game().moves().size()) return;
    const QString text = count == 0 ? tr("Go back to the start of the game? Every move is dropped.")
                                    : tr("Go back to the position after %1? The moves after it are dropped.")
                                          .arg(list_->item(int(count) - 1)->text());
    auto* question = new QMessageBox(QMessageBox::Question, tr("VINTREL MOVES"), text,
                                     QMessageBox::Yes | QMessageBox::No, window_.get());
    question->setObjectName(QStringLiteral("goBackQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::buttonClicked, this, [this, question, count](QAbstractButton* button) {
        if (button == question->button(QMessageBox::Yes)) files_.goBackTo(count);
    });
    question->open();
}

void MoveList::copyGame() const {
    QApplication::clipboard()->setText(QString::fromStdString(WriteGame(files_.gameText())));
}

void MoveList::pasteGame() { files_.openText(QApplication::clipboard()->text().toUtf8(), tr("clipboard")); }

}  // namespace vintrel
