#include "board_window.h"

#include "game_model.h"
#include "layout.h"
#include "markers.h"
#include "view_pair.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace vintrel {
namespace {

using namespace layout;

// What a refused drop tells the player.
constexpr std::pair<DropOutcome, const char*> RefusalMessages[] = {
    {DropOutcome::OwnMan, QT_TRANSLATE_NOOP("vintrel::BoardWindow", "YOU MAY NOT LAND ON YOUR OWN MAN")},
    {DropOutcome::NotPermitted, QT_TRANSLATE_NOOP("vintrel::BoardWindow", "MOVE NOT PERMITTED!!")},
    {DropOutcome::MustCapture, QT_TRANSLATE_NOOP("vintrel::BoardWindow", "YOU ARE COMMITTED TO CAPTURE")},
};

const char* RefusalMessage(DropOutcome outcome) {
    for (const auto& [refused, message] : RefusalMessages)
        if (refused == outcome) return message;
    return "";
}

}  // namespace

BoardWindow::BoardWindow(const ViewTable& view, ViewPair& pair, const PictureFiles& pictures)
    : view_(view), pair_(pair), pictures_(pictures), w_(BuildBoard(this, view)) {
    setObjectName(QLatin1String(view.formName));
    setWindowTitle(tr(view.caption));
    setCentralWidget(w_.board);
    connectBoard();
    buildMenus();
    // The board keeps its drawing at any window size, so the window offers none.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    restoreCreationState();
}

// ---------------------------------------------------------------- building

void BoardWindow::connectBoard() {
    for (CellBox* box : w_.cells) {
        connect(box, &CellBox::pressed, this, &BoardWindow::pbVint_MouseDown);
        connect(box, &CellBox::moved, this, &BoardWindow::followDrag);
        connect(box, &CellBox::released, this, &BoardWindow::finishDrag);
    }
    connect(w_.cmdShowCom, &QPushButton::clicked, this, &BoardWindow::cmdShowCom_Click);
    connect(w_.cmdReset, &QPushButton::clicked, this, &BoardWindow::cmdReset_Click);
    connect(w_.cmdHideRules, &QPushButton::clicked, this, &BoardWindow::cmdHideRules_Click);
    connect(w_.cmdokabout, &QPushButton::clicked, this, &BoardWindow::cmdokabout_Click);
}

void BoardWindow::buildMenus() {
    auto addMenu = [this](Menu which, const char* name, const QString& text) {
        QMenu* menu = menuBar()->addMenu(text);
        menu->setObjectName(QLatin1String(name));
        menus_[std::size_t(which)] = menu;
    };
    addMenu(Menu::Options, "mnuOptions", tr("&Options"));
    mnuReset_ = addMenuItem(Menu::Options, "mnuReset", tr(view_.resetItemText), [this] { cmdReset_Click(); });
    mnuUnmove_ = addMenuItem(Menu::Options, "mnuUnmove", tr("&Take Back Last Move"), [this] { mnuUnmove_Click(); });
    mnuRedo_ = addMenuItem(Menu::Options, "mnuRedo", tr("Re&do Move"), [this] { mnuRedo_Click(); });
    // Desktops differ on which of the two means redo; both do here.
    mnuRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(&model(), &GameModel::changed, this, &BoardWindow::updateRedo);
    updateRedo();
    mnuExit_ = addMenuItem(Menu::Options, "mnuExit", tr("E&xit"), [this] { pair_.unload(); });
    addMenu(Menu::View, "mnuView", tr("&View"));
    otherViewItem_ = addMenuItem(Menu::View, view_.otherViewItem.name, tr(view_.otherViewItem.text),
                                 [this] { otherViewItem_Click(); });
    mnuSwitch_ = addMenuItem(Menu::View, "mnuSwitch", tr("&Switch Automatically"), [this] { mnuSwitch_Click(); });
    mnuSwitch_->setCheckable(true);
    pair_.markers().addItemsTo(*this);
    addMenu(Menu::Help, "mnuHelp", tr("&Help"));
    addMenuItem(Menu::Help, "mnuno", tr("No Help"), [] {});
    addMenuItem(Menu::Help, "mnuabout", tr("&About Vintrel"), [this] { mnuabout_Click(); });
    QAction* rules = menuBar()->addAction(tr("R&ules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    connect(rules, &QAction::triggered, this, &BoardWindow::mnuRules_Click);
}

QAction* BoardWindow::addMenuItem(Menu which, const char* name, const QString& text,
                                  std::function<void()> handler, QAction* before) {
    QMenu& target = menu(which);
    auto* item = new QAction(text, &target);
    item->setObjectName(QLatin1String(name));
    target.insertAction(before, item);
    if (handler) connect(item, &QAction::triggered, this, std::move(handler));
    return item;
}

// --------------------------------------------------------------- lifecycle

void BoardWindow::restoreCreationState() {
    cancelDrag();
    for (QWidget* item : std::initializer_list<QWidget*>{w_.lblInfo, w_.lblRules, w_.lblOVER, w_.lblabout,
                                                         w_.cmdShowCom, w_.cmdReset, w_.cmdHideRules,
                                                         w_.cmdokabout})
        item->hide();
    w_.lblInfo->clear();
    closeTakeBack();
    mnuSwitch_->setEnabled(true);
    mnuSwitch_->setChecked(true);
    otherViewItem_->setEnabled(view_.otherViewItemEnabledAtCreation);
    setFrameAndBackground(Black.colour(), Peach.colour());
    for (CellBox* box : w_.cells) {
        box->clear();
        box->setEnabled(true);
        box->show();
    }
    dragFromCell_ = NoCell;
    loaded_ = false;
}

void BoardWindow::Form_Load(bool withNewGame) {
    loaded_ = true;
    if (view_.turnedHalfRound) {
        closeTakeBack();
        drawGame(true);
        otherViewItem_->setEnabled(true);
        return;
    }
    showNewGame();
    if (withNewGame) model().newGame();
}

void BoardWindow::showNewGame() {
    setCellsEnabled(true);
    closeTakeBack();
    otherViewItem_->setEnabled(true);
    mnuSwitch_->setEnabled(true);
    mnuSwitch_->setChecked(true);
    dragFromCell_ = NoCell;
}

void BoardWindow::Form_Activate() {
    w_.lblInfo->hide();
    closeTakeBack();
    otherViewItem_->setEnabled(true);
    if (!view_.turnedHalfRound) pair_.loadBlueView();
    setFrameAndBackground(view_.frameColour.colour(), White.colour());
    drawGame(true);
    for (CellBox* box : w_.cells) box->show();
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    pair_.unload();
}

void BoardWindow::hideEvent(QHideEvent* event) {
    cancelDrag();
    QMainWindow::hideEvent(event);
}

// ---------------------------------------------------------------- drawing

void BoardWindow::drawGame(bool everyCell) {
    const Position& position = model().shown().position();
    for (Cell i = 0; i < CellCount; ++i)
        if (everyCell || w_.cells[i]->occupant() != position[i]) setOccupant(i, position[i]);
    drawMarkers();
    showCaption();
    // An arrow belongs to the position it was drawn on.
    w_.arrow->hide();
}

// While an earlier position is shown, the caption says which.
void BoardWindow::showCaption() {
    QString caption = tr(view_.caption);
    if (model().isBrowsing())
        caption += tr(" — move %1 of %2").arg(model().shownPly()).arg(game().moves().size());
    setWindowTitle(caption);
}

void BoardWindow::showBrowsed() {
    cancelDrag();
    w_.lblInfo->hide();
    w_.cmdShowCom->hide();
    drawGame(false);
    if (!isVisible()) drawCommitmentMarkers();
}

void BoardWindow::drawMarkers() {
    const BoardMarks marks = MarksOf(model().shown(), heldFrom(), pair_.markers());
    for (Cell i = 0; i < CellCount; ++i) w_.cells[i]->setMarks(marks.of(i));
}

void BoardWindow::showArrow(std::optional<PlayedMove> move) {
    if (!move) return w_.arrow->hide();
    w_.arrow->point(cellCentre(move->from), cellCentre(move->to));
}

void BoardWindow::drawCommitmentMarkers() {
    const CommitmentRecord& com = model().shown().commitments();
    for (Cell i = 0; i < CellCount; ++i)
        w_.cells[i]->setHidden((com.H1Com && i == com.H1ComCell) || (com.H3Com && i == com.H3ComCell));
}

CellSet BoardWindow::hiddenCells() const {
    CellSet hidden;
    for (Cell i = 0; i < CellCount; ++i) hidden[i] = w_.cells[i]->isHidden();
    return hidden;
}

Position BoardWindow::position() const {
    Position position{};
    for (Cell i = 0; i < CellCount; ++i) position[i] = w_.cells[i]->occupant();
    return position;
}

Picture BoardWindow::pictureOf(Occupant occupant) const {
    switch (occupant) {
        case Occupant::RedMan: return view_.redMan;
        case Occupant::BlueMan: return view_.blueMan;
        case Occupant::Empty: break;
    }
    return Picture::Blank;
}

void BoardWindow::setOccupant(Cell index, Occupant occupant) {
    w_.cells[index]->setPicture(pictureOf(occupant), pictures_);
    w_.cells[index]->setTag(occupant);
}

void BoardWindow::setFrameAndBackground(const QColor& frame, const QColor& background) {
    for (LineWidget* line : w_.frame) line->setColour(frame);
    for (LineWidget* line : w_.colourLines) line->setColour(background);
    for (QLabel* piece : w_.background) Paint(piece, QPalette::Window, background);
}

// -------------------------------------------------------------- the mouse

void BoardWindow::pbVint_MouseDown(Cell index, Qt::MouseButton button) {
    // A press that reaches the view not on screen is no player's.
    if (isDragging() || !isVisible()) return;
    hidePanelsOnPress();
    const Occupant occupant = w_.cells[index]->occupant();
    if (occupant == Occupant::Empty) return;
    dragFromCell_ = index;
    if (mayPickUp(SideOf(occupant)))
        startDrag(index, button);
    else
        showInfo(QT_TR_NOOP("NOT YOUR TURN"));
}

void BoardWindow::hidePanelsOnPress() {
    for (QWidget* item : std::initializer_list<QWidget*>{w_.lblInfo, w_.lblOVER, w_.cmdReset, w_.cmdShowCom,
                                                         w_.cmdHideRules, w_.lblRules})
        item->hide();
}

bool BoardWindow::pickUp(Cell from) {
    if (!lift(from)) return false;
    hidePanelsOnPress();
    return true;
}

bool BoardWindow::mayPickUp(Side side) const {
    return side == model().shown().toMove() && !pressesBarred_[std::size_t(side)];
}

void BoardWindow::pressCell(Cell index, Qt::MouseButton button) {
    if (IsOnBoard(index) && w_.cells[index]->isEnabled()) pbVint_MouseDown(index, button);
}

bool BoardWindow::lift(Cell from) {
    if (isDragging() || !isVisible() || !IsOnBoard(from)) return false;
    const Occupant occupant = w_.cells[from]->occupant();
    if (occupant == Occupant::Empty || SideOf(occupant) != model().shown().toMove()) return false;
    dragFromCell_ = from;
    startDrag(from, Qt::NoButton);
    return true;
}

void BoardWindow::carryHeldTo(QPointF boardPoint) {
    if (!isDragging()) return;
    w_.dragImage->move((boardPoint - QRectF(w_.dragImage->rect()).center()).toPoint());
}

void BoardWindow::dropHeldOn(Cell target) {
    if (!isDragging()) return;
    cancelDrag();
    if (IsOnBoard(target)) pbVint_DragDrop(target);
}

void BoardWindow::putHeldBack() { cancelDrag(); }

QPointF BoardWindow::cellCentre(Cell index) const { return QRectF(w_.cells[index]->geometry()).center(); }

void BoardWindow::startDrag(Cell from, Qt::MouseButton button) {
    dragButton_ = button;
    // A copy of the man follows the pointer; the man himself stays on his
    // diamond until the move stands.
    w_.dragImage->setPixmap(w_.cells[from]->pixmap());
    w_.dragImage->move(w_.cells[from]->pos());
    w_.dragImage->show();
    drawMarkers();
}

void BoardWindow::followDrag(QPoint globalPosition) {
    if (!isDragging()) return;
    const QPoint centre = w_.board->mapFromGlobal(globalPosition);
    w_.dragImage->move(centre - w_.dragImage->rect().center());
}

void BoardWindow::finishDrag(QPoint globalPosition, Qt::MouseButton button) {
    if (!isDragging() || button != *dragButton_) return;
    cancelDrag();
    if (CellBox* target = cellAt(globalPosition)) pbVint_DragDrop(target->index());
}

void BoardWindow::cancelDrag() {
    dragButton_.reset();
    if (w_.dragImage) w_.dragImage->hide();
    drawMarkers();
}

CellBox* BoardWindow::cellAt(QPoint globalPosition) const {
    // The topmost widget decides, so where two boxes overlap at a corner
    // the one drawn in front takes the drop.
    return qobject_cast<CellBox*>(w_.board->childAt(w_.board->mapFromGlobal(globalPosition)));
}

// ------------------------------------------------------------------ moves

void BoardWindow::pbVint_DragDrop(Cell target) {
    if (model().isBrowsing()) return dropOnEarlierPosition(dragFromCell_, target);
    // A move that stands is answered by answerMove(), once the views have
    // drawn it.
    showRefusal(model().play(dragFromCell_, target).outcome);
}

void BoardWindow::showRefusal(DropOutcome outcome) {
    if (Stands(outcome) || outcome == DropOutcome::NoChange) return;
    showInfo(RefusalMessage(outcome));
    if (outcome == DropOutcome::MustCapture) w_.cmdShowCom->show();
}

// A move on an earlier position drops the moves after it, so the player is
// asked first; a move the rules refuse is refused as ever, without asking.
void BoardWindow::dropOnEarlierPosition(Cell from, Cell to) {
    Game earlier = model().shown();
    const DropOutcome outcome = earlier.play(from, to).outcome;
    if (!Stands(outcome)) return showRefusal(outcome);
    const std::size_t later = game().moves().size() - model().shownPly();
    const QString text = later == 1 ? tr("Drop the later move and play on from here?")
                                    : tr("Drop the %1 later moves and play on from here?").arg(later);
    auto* question = new QMessageBox(QMessageBox::Question, tr(view_.caption), text,
                                     QMessageBox::Yes | QMessageBox::No, this);
    question->setObjectName(QStringLiteral("playOnQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    const std::size_t ply = model().shownPly();
    connect(question, &QMessageBox::buttonClicked, this, [this, question, ply, from, to](QAbstractButton* button) {
        // The game may have moved on while the question was open.
        if (button != question->button(QMessageBox::Yes) || model().shownPly() != ply) return;
        showRefusal(model().playOn(from, to).outcome);
    });
    question->open();
}

void BoardWindow::answerMove(DropOutcome outcome) {
    // The winning move by the corner leaves the take back as it was.
    if (outcome == DropOutcome::WonByCorner) return endGame();
    openTakeBack(mnuUnmove_->isEnabled());
    if (outcome == DropOutcome::WonByCapture) return endGame();
    if (mnuSwitch_->isChecked()) pair_.showInsteadOf(twin(), *this);
}

void BoardWindow::openTakeBack(bool earlier) {
    earlierMoveOpen_ = earlier;
    mnuUnmove_->setEnabled(true);
}

void BoardWindow::endGame() {
    w_.lblOVER->show();
    w_.cmdReset->show();
    mnuSwitch_->setEnabled(false);
    otherViewItem_->setEnabled(false);
    closeTakeBack();
    setCellsEnabled(false);
}

// --------------------------------------------------------------- commands

void BoardWindow::cmdReset_Click() { resetPieces(true); }

void BoardWindow::resetPieces(bool withNewGame) {
    for (QWidget* item : std::initializer_list<QWidget*>{w_.lblOVER, w_.cmdReset, w_.lblInfo, w_.cmdShowCom})
        item->hide();
    if (view_.turnedHalfRound) {
        hide();
        pair_.restart(withNewGame);
        return;
    }
    Form_Load(withNewGame);
}

void BoardWindow::mnuUnmove_Click() { takeBackHere(); }

void BoardWindow::mnuRedo_Click() {
    cancelDrag();
    w_.cmdShowCom->hide();
    w_.lblInfo->hide();
    pair_.redo();
}

void BoardWindow::updateRedo() { mnuRedo_->setEnabled(!game().movesKept().empty()); }

void BoardWindow::takeBackHere() {
    // A man held meanwhile belongs to the side whose turn the take back
    // ends: he must not land.
    cancelDrag();
    w_.cmdShowCom->hide();
    w_.lblInfo->hide();
    mnuUnmove_->setEnabled(false);
    model().takeBack();
}

bool BoardWindow::takeBackEarlierMove() {
    if (mnuUnmove_->isEnabled() || !earlierMoveOpen_) return false;
    earlierMoveOpen_ = false;
    takeBackHere();
    return true;
}

void BoardWindow::closeTakeBack() {
    mnuUnmove_->setEnabled(false);
    earlierMoveOpen_ = false;
}

void BoardWindow::otherViewItem_Click() {
    w_.lblInfo->hide();
    w_.cmdShowCom->hide();
    pair_.showInsteadOf(twin(), *this);
}

void BoardWindow::mnuSwitch_Click() {
    // The item checks itself when triggered; its new state is the answer.
    setSwitchChecked(mnuSwitch_->isChecked());
}

void BoardWindow::setSwitchChecked(bool checked) const {
    mnuSwitch_->setChecked(checked);
    twin().mnuSwitch_->setChecked(checked);
}

void BoardWindow::mnuRules_Click() {
    w_.lblRules->show();
    w_.cmdHideRules->show();
    w_.lblInfo->hide();
    w_.cmdShowCom->hide();
}

void BoardWindow::cmdHideRules_Click() {
    w_.cmdHideRules->hide();
    w_.lblRules->hide();
}

void BoardWindow::mnuabout_Click() {
    w_.cmdokabout->show();
    w_.lblabout->show();
}

void BoardWindow::cmdokabout_Click() {
    w_.cmdokabout->hide();
    w_.lblabout->hide();
}

void BoardWindow::cmdShowCom_Click() {
    const Game& game = model().shown();
    const CommitmentRecord& com = game.commitments();
    if (!com.H1Com && !com.H3Com) return;
    const bool redToMove = game.toMove() == Side::Red;
    const Cell marked = redToMove ? com.H3ComCell : com.H1ComCell;
    if (!IsOnBoard(marked)) return;
    w_.cells[marked]->setPicture(redToMove ? view_.blueManCommitted : view_.redManCommitted, pictures_);
    w_.cmdShowCom->hide();
}

// ---------------------------------------------------------------- helpers

GameModel& BoardWindow::model() const { return pair_.model(); }

const Game& BoardWindow::game() const { return model().game(); }

BoardWindow& BoardWindow::twin() const { return pair_.twinOf(*this); }

void BoardWindow::showInfo(const char* message) {
    w_.lblInfo->setText(tr(message));
    w_.lblInfo->show();
    emit messageShown(w_.lblInfo->text());
}

void BoardWindow::setCellsEnabled(bool enabled) {
    for (CellBox* box : w_.cells) box->setEnabled(enabled);
}

}  // namespace vintrel
