#include "move_list.h"

#include "board_window.h"
#include "game_files.h"
#include "game_model.h"
#include "view_pair.h"
#include "words.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vintrel {
namespace {

constexpr int BrowseKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};

// Where ply `index` stands in the table: its move number's row, red's
// column or blue's.
int RowOf(std::size_t index) { return int(index / 2); }
int ColumnOf(std::size_t index) { return int(index % 2); }

// "43x34" to see, "2. red 43 to 34, captures" to hear.
QTableWidgetItem* ItemOf(std::size_t index, const PlayedMove& move) {
    auto* item = new QTableWidgetItem(QString::fromStdString(MoveText(move)));
    const QString number = QStringLiteral("%1.").arg(index / 2 + 1);
    const QString side = Words::sideWithin(index % 2 == 0 ? Side::Red : Side::Blue);
    QString spoken = MoveList::tr("%1 %2 %3 to %4").arg(number, side).arg(move.from).arg(move.to);
    if (move.captures) spoken += MoveList::tr(", captures");
    item->setData(Qt::AccessibleTextRole, spoken);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

MoveList::MoveList(ViewPair& views, GameModel& model, GameFiles& files)
    : views_(views), model_(model), files_(files) {
    connect(&model, &GameModel::changed, this, &MoveList::follow);
    connect(&model, &GameModel::browsed, this, &MoveList::markShown);
    connect(&views, &ViewPair::programEnded, this, [this] {
        if (window_) window_->close();
    });
    views.forEachWindow(this, [this](BoardWindow& window) { attach(window); });
}

MoveList::~MoveList() {
    // Closing the window as it goes must not reach the menu items.
    if (window_) window_->removeEventFilter(this);
}

// Built when first shown: most games never ask for it.
void MoveList::build() {
    if (window_) return;
    window_ = std::make_unique<QWidget>();
    table_ = new QTableWidget(0, 2, window_.get());
    window_->setObjectName(QStringLiteral("frmMoves"));
    window_->setWindowTitle(tr("VINTREL MOVES"));
    window_->resize(220, 360);
    window_->installEventFilter(this);
    table_->setObjectName(QStringLiteral("lstMoves"));
    table_->setAccessibleName(tr("Moves"));
    table_->setHorizontalHeaderLabels({Words::side(Side::Red), Words::side(Side::Blue)});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->installEventFilter(this);
    auto* layout = new QVBoxLayout(window_.get());
    layout->addWidget(table_);
    auto* analyse = new QPushButton(tr("&Analyse Game…"), window_.get());
    analyse->setObjectName(QStringLiteral("cmdAnalyse"));
    analyse->setVisible(bool(analyse_));
    connect(analyse, &QPushButton::clicked, this, [this] { analyse_(); });
    layout->addWidget(analyse);
    connect(table_, &QTableWidget::currentCellChanged, this, &MoveList::chosen);
    connect(new QShortcut(QKeySequence::Copy, window_.get()), &QShortcut::activated, this, &MoveList::copyGame);
    connect(new QShortcut(QKeySequence::Paste, window_.get()), &QShortcut::activated, this, &MoveList::pasteGame);
    follow();
}

QWidget& MoveList::window() {
    build();
    return *window_;
}

QTableWidget& MoveList::table() {
    build();
    return *table_;
}

void MoveList::attach(BoardWindow& window) {
    QAction* item = window.addMenuItem(BoardWindow::Menu::View, "mnuMoves", tr("&Move List"), {});
    item->setCheckable(true);
    item->setChecked(window_ && window_->isVisible());
    connect(item, &QAction::triggered, this, &MoveList::setShown);
    items_ << item;
    for (int key : BrowseKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        shortcut->setEnabled(window_ && window_->isVisible());
        connect(shortcut, &QShortcut::activated, this, [this, key] { browseByKey(key); });
        browseKeys_ << shortcut;
    }
}

void MoveList::setShown(bool shown) {
    if (shown) build();
    if (window_ && shown != window_->isVisible()) {
        if (BoardWindow* board = views_.shown(); board && shown)
            window_->move(board->frameGeometry().topRight() + QPoint(8, 0));
        window_->setVisible(shown);
    }
    for (QAction* item : items_)
        if (item) item->setChecked(shown);
    for (QShortcut* shortcut : browseKeys_)
        if (shortcut) shortcut->setEnabled(shown);
}

bool MoveList::eventFilter(QObject* watched, QEvent* event) {
    // Closed by its own title bar: the menu items and the keys follow.
    if (window_ && watched == window_.get() && event->type() == QEvent::Hide) setShown(false);
    // In the list the arrows step a single move, red's or blue's.
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) return browseByKey(Qt::Key_Left);
        if (key == Qt::Key_Down) return browseByKey(Qt::Key_Right);
        return browseByKey(key);
    }
    return QObject::eventFilter(watched, event);
}

bool MoveList::browseByKey(int key) {
    const std::size_t shown = model_.shownPly();
    switch (key) {
        case Qt::Key_Left: model_.browse(shown > 0 ? shown - 1 : 0); return true;
        case Qt::Key_Right: model_.browse(shown + 1); return true;
        case Qt::Key_Home: model_.browse(0); return true;
        case Qt::Key_End: model_.showWholeGame(); return true;
        default: return false;
    }
}

// The table takes on each change of the game, rewriting only the items
// that differ: a move adds one, a take back removes one.
void MoveList::follow() {
    if (!window_) return;
    const std::vector<PlayedMove>& moves = model_.game().moves();
    const QSignalBlocker quiet(table_);
    table_->setRowCount(int((moves.size() + 1) / 2));
    for (std::size_t i = 0; i < moves.size(); ++i) {
        // A move's place and text say all its item holds.
        const QTableWidgetItem* listed = table_->item(RowOf(i), ColumnOf(i));
        if (!listed || listed->text() != QString::fromStdString(MoveText(moves[i])))
            table_->setItem(RowOf(i), ColumnOf(i), ItemOf(i, moves[i]));
    }
    if (moves.size() % 2 == 1) delete table_->takeItem(RowOf(moves.size()), 1);
    markShown();
}

// The move that led to the position shown is the current one; at the
// start of the game, none is.
void MoveList::markShown() {
    if (!window_) return;
    const QSignalBlocker quiet(table_);
    const std::size_t ply = model_.shownPly();
    if (ply == 0) {
        table_->setCurrentCell(-1, -1);
        table_->clearSelection();
        return;
    }
    table_->setCurrentCell(RowOf(ply - 1), ColumnOf(ply - 1));
    table_->scrollToItem(table_->currentItem());
}

void MoveList::chosen(int row, int column) {
    const std::size_t ply = std::size_t(row) * 2 + std::size_t(column) + 1;
    // Blue's place in the last row stays empty until he replies.
    if (row < 0 || column < 0 || ply > model_.game().moves().size()) return markShown();
    model_.browse(ply);
}

void MoveList::copyGame() const {
    QApplication::clipboard()->setText(QString::fromStdString(WriteGame(files_.gameText())));
}

void MoveList::pasteGame() { files_.openText(QApplication::clipboard()->text().toUtf8(), tr("clipboard")); }

}  // namespace vintrel
