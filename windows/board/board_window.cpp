#include "board_window.h"

#include "layout.h"
#include "view_pair.h"

#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace vintrel {
namespace {

using namespace layout;

QString ArrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont FontOf(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.family));
    // Where the named face is missing, the system's stand-in is wider and
    // "GAME OVER!!" would wrap onto a line its label has no room for; the
    // faces of Arial's measure keep every caption whole.
    font.setFamilies({QString::fromLatin1(spec.family), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

const char* RefusalMessage(DropOutcome outcome) {
    switch (outcome) {
        case DropOutcome::OwnMan:
            return QT_TRANSLATE_NOOP("vintrel::BoardWindow", "YOU MAY NOT LAND ON YOUR OWN MAN");
        case DropOutcome::NotPermitted:
            return QT_TRANSLATE_NOOP("vintrel::BoardWindow", "MOVE NOT PERMITTED!!");
        case DropOutcome::MustCapture:
            return QT_TRANSLATE_NOOP("vintrel::BoardWindow", "YOU ARE COMMITTED TO CAPTURE");
        default: return "";
    }
}

}  // namespace

BoardWindow::BoardWindow(const ViewTable& view, ViewPair& pair, const PictureFiles& pictures)
    : view_(view), pair_(pair), pictures_(pictures) {
    setObjectName(QLatin1String(view.formName));
    setWindowTitle(tr(view.caption));
    buildBoard();
    buildMenus();
    // The board keeps its drawing at any window size, so the window offers none.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    restoreCreationState();
}

// ---------------------------------------------------------------- building

void BoardWindow::buildBoard() {
    board_ = new QWidget(this);
    board_->setObjectName(QStringLiteral("board"));
    board_->setFixedSize(ClientWidth / TwipsPerPixel, ClientHeight / TwipsPerPixel);
    board_->setAutoFillBackground(true);
    Paint(board_, QPalette::Window, White.colour());
    setCentralWidget(board_);
    buildLines();
    buildPanels();
    buildButtons();
    buildCells();
    dragImage_ = new QLabel(board_);
    dragImage_->setObjectName(QStringLiteral("dragImage"));
    dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragImage_->resize(CellSize / TwipsPerPixel, CellSize / TwipsPerPixel);
    dragImage_->hide();
    applyStacking();
}

void BoardWindow::buildLines() {
    auto addLine = [this](const QString& name, const TwipLine& line, int width) {
        auto* widget = new LineWidget(board_, line.pixels(), width);
        widget->setObjectName(name);
        return widget;
    };
    for (int i = 0; i < 11; ++i) {
        addLine(ArrayName("lnlin", i), GridDownRight[i], 1);
        addLine(ArrayName("lnin", i), GridDownLeft[i], 1);
    }
    for (int i = 0; i < 4; ++i) {
        frame_[i] = addLine(ArrayName("lnBlack", i), view_.frame[i], FrameWidth);
        colourLines_[i] = addLine(ArrayName("lnColor", i), ColourLines[i].line,
                                  ColourLines[i].widthInPixels);
    }
    for (int i = 0; i < 3; ++i)
        addLine(QStringLiteral("Line%1").arg(i + 1), Monogram[i], MonogramWidth);
    for (int i = 0; i < int(view_.background.size()); ++i) {
        auto* piece = new QLabel(board_);
        piece->setObjectName(ArrayName("lblBG", i));
        piece->setGeometry(view_.background[i].pixels());
        piece->setAutoFillBackground(true);
        background_ << piece;
    }
}

void BoardWindow::buildPanels() {
    std::array<QLabel*, 4> panels{};
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const ControlSpec& spec = view_.panels[i];
        auto* label = new QLabel(tr(spec.text), board_);
        label->setObjectName(QLatin1String(spec.name));
        label->setGeometry(spec.place.pixels());
        label->setAutoFillBackground(true);
        Paint(label, QPalette::Window, spec.back.colour());
        label->setFont(FontOf(spec.font));
        label->setAlignment(spec.alignment);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        panels[i] = label;
    }
    lblInfo_ = panels[0];
    lblRules_ = panels[1];
    lblOVER_ = panels[2];
    lblabout_ = panels[3];
}

void BoardWindow::buildButtons() {
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ControlSpec& spec = view_.buttons[i];
        auto* button = new QPushButton(tr(spec.text), board_);
        button->setObjectName(QLatin1String(spec.name));
        button->setGeometry(spec.place.pixels());
        Paint(button, QPalette::Button, spec.back.colour());
        button->setFont(FontOf(spec.font));
        // Tab reaches a button while it is shown; a click leaves the focus
        // on the board.
        button->setFocusPolicy(Qt::TabFocus);
        buttons[i] = button;
    }
    cmdShowCom_ = buttons[0];
    cmdReset_ = buttons[1];
    cmdHideRules_ = buttons[2];
    cmdokabout_ = buttons[3];
    cmdReset_->setToolTip(tr(view_.resetButtonToolTip));
    connect(cmdShowCom_, &QPushButton::clicked, this, &BoardWindow::cmdShowCom_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &BoardWindow::cmdReset_Click);
    connect(cmdHideRules_, &QPushButton::clicked, this, &BoardWindow::cmdHideRules_Click);
    connect(cmdokabout_, &QPushButton::clicked, this, &BoardWindow::cmdokabout_Click);
}

void BoardWindow::buildCells() {
    for (Cell i = 0; i < CellCount; ++i) {
        auto* box = new CellBox(board_, i);
        box->setObjectName(ArrayName(view_.cellArrayName, i));
        box->move(CellPlace(i, view_.turnedHalfRound).pixels().topLeft());
        connect(box, &CellBox::pressed, this, &BoardWindow::pbVint_MouseDown);
        connect(box, &CellBox::moved, this, &BoardWindow::followDrag);
        connect(box, &CellBox::released, this, &BoardWindow::finishDrag);
        cells_[i] = box;
    }
}

void BoardWindow::buildMenus() {
    auto addItem = [this](QWidget* menu, const char* name, const QString& text, auto handler) {
        auto* action = new QAction(text, menu);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addMenu = [this](const char* name, const QString& text) {
        QMenu* menu = menuBar()->addMenu(text);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    QMenu* options = addMenu("mnuOptions", tr("&Options"));
    addItem(options, "mnuReset", tr(view_.resetItemText), &BoardWindow::cmdReset_Click);
    mnuUnmove_ = addItem(options, "mnuUnmove", tr("&Take Back Last Move"), &BoardWindow::mnuUnmove_Click);
    addItem(options, "mnuExit", tr("E&xit"), [this] { pair_.unload(); });
    QMenu* viewMenu = addMenu("mnuView", tr("&View"));
    otherViewItem_ = addItem(viewMenu, view_.otherViewItem.name, tr(view_.otherViewItem.text),
                             &BoardWindow::otherViewItem_Click);
    mnuSwitch_ = addItem(viewMenu, "mnuSwitch", tr("&Switch Automatically"), &BoardWindow::mnuSwitch_Click);
    mnuSwitch_->setCheckable(true);
    QMenu* help = addMenu("mnuHelp", tr("&Help"));
    addItem(help, "mnuno", tr("No Help"), [] {});
    addItem(help, "mnuabout", tr("&About Vintrel"), &BoardWindow::mnuabout_Click);
    addItem(menuBar(), "mnuRules", tr("R&ules"), &BoardWindow::mnuRules_Click);
}

QAction& BoardWindow::menuItem(const char* name) const {
    return *findChild<QAction*>(QLatin1String(name));
}

QWidget* BoardWindow::element(const QString& name) const {
    return board_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void BoardWindow::applyStacking() {
    // Raising from the back forwards leaves the first run in front.
    for (auto run = view_.stacking.rbegin(); run != view_.stacking.rend(); ++run) {
        if (run->first < 0) {
            element(QLatin1String(run->name))->raise();
            continue;
        }
        const int step = run->first <= run->last ? 1 : -1;
        for (int i = run->last;; i -= step) {
            element(ArrayName(run->name, i))->raise();
            if (i == run->first) break;
        }
    }
    // Cells and buttons stand above every label and line.
    for (CellBox* box : cells_) box->raise();
    for (QWidget* button : {cmdShowCom_, cmdReset_, cmdHideRules_, cmdokabout_}) button->raise();
    dragImage_->raise();
}

// --------------------------------------------------------------- lifecycle

void BoardWindow::restoreCreationState() {
    cancelDrag();
    for (QWidget* item : std::initializer_list<QWidget*>{
             lblInfo_, lblRules_, lblOVER_, lblabout_, cmdShowCom_, cmdReset_, cmdHideRules_, cmdokabout_})
        item->hide();
    lblInfo_->clear();
    closeTakeBack();
    mnuSwitch_->setEnabled(true);
    mnuSwitch_->setChecked(true);
    otherViewItem_->setEnabled(view_.otherViewItemEnabledAtCreation);
    setFrameAndBackground(Black.colour(), Peach.colour());
    for (CellBox* box : cells_) {
        box->clear();
        box->setEnabled(true);
        box->show();
    }
    state_ = WindowState{};
    undoCommitments_ = CommitmentsBefore{};
    loaded_ = false;
}

void BoardWindow::Form_Load() {
    loaded_ = true;
    if (view_.turnedHalfRound)
        takeGameFromRedView();
    else
        layOutNewGame();
}

void BoardWindow::takeGameFromRedView() {
    closeTakeBack();
    state_.Turn = pair_.sharedTurnRecord();
    for (Cell i = 0; i < CellCount; ++i) refreshCellFromTwin(i);
    otherViewItem_->setEnabled(true);
}

void BoardWindow::layOutNewGame() {
    for (Cell i = 0; i < CellCount; ++i) {
        setOccupant(i, Occupant::Empty);
        cells_[i]->setEnabled(true);
    }
    for (Cell i : RedHomeCells) setOccupant(i, Occupant::RedMan);
    for (Cell i : BlueHomeCells) setOccupant(i, Occupant::BlueMan);
    closeTakeBack();
    otherViewItem_->setEnabled(true);
    mnuSwitch_->setEnabled(true);
    mnuSwitch_->setChecked(true);
    state_.com.H3ComCell = state_.com.H1ComCell = NoCell;
    state_.LastFromCell = state_.LastToCell = state_.DragFromCell = NoCell;
    state_.UndoFromCell = state_.UndoToCell = NoCell;
    state_.Turn = Side::Red;
    pair_.setSharedTurnRecord(Side::Red);
    state_.com.H3Com = false;
    state_.LastCapture = false;
    emit newGameLaidOut();
    emit gameChanged();
}

void BoardWindow::Form_Activate() {
    lblInfo_->hide();
    closeTakeBack();
    otherViewItem_->setEnabled(true);
    state_.Turn = pair_.sharedTurnRecord();
    if (!view_.turnedHalfRound) pair_.loadBlueView();
    state_.com = CommitmentRecord{};
    setFrameAndBackground(view_.frameColour.colour(), White.colour());
    // A blue view not built yet would be a copy of this one: nothing to
    // take over.
    const bool twinBuilt = view_.turnedHalfRound || pair_.hasBlueView();
    for (Cell i = 0; twinBuilt && i < CellCount; ++i) {
        refreshCellFromTwin(i);
        if (cells_[i]->isHidden()) {
            // A marker left by the other window: this man stands committed.
            const bool red = cells_[i]->occupant() == Occupant::RedMan;
            (red ? state_.com.H1ComCell : state_.com.H3ComCell) = i;
            (red ? state_.com.H1Com : state_.com.H3Com) = true;
        }
        cells_[i]->show();
    }
    emit gameChanged();
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    pair_.unload();
}

void BoardWindow::hideEvent(QHideEvent* event) {
    cancelDrag();
    QMainWindow::hideEvent(event);
}

// -------------------------------------------------------------- the mouse

void BoardWindow::pbVint_MouseDown(Cell index, Qt::MouseButton button) {
    // A press that reaches the view not on screen is no player's.
    if (isDragging() || !isVisible()) return;
    hidePanelsOnPress();
    const Occupant occupant = cells_[index]->occupant();
    if (occupant == Occupant::Empty) return;
    state_.DragFromCell = index;
    if (mayPickUp(SideOf(occupant)))
        startDrag(index, button);
    else
        showInfo(QT_TR_NOOP("NOT YOUR TURN"));
}

void BoardWindow::hidePanelsOnPress() {
    for (QWidget* item : std::initializer_list<QWidget*>{
             lblInfo_, lblOVER_, cmdReset_, cmdShowCom_, cmdHideRules_, lblRules_})
        item->hide();
}

bool BoardWindow::pickUp(Cell from) {
    if (!lift(from)) return false;
    hidePanelsOnPress();
    return true;
}

bool BoardWindow::mayPickUp(Side side) const {
    return side == pair_.sharedTurnRecord() && !pressesBarred_[std::size_t(side)];
}

void BoardWindow::pressCell(Cell index, Qt::MouseButton button) {
    if (IsOnBoard(index) && cells_[index]->isEnabled()) pbVint_MouseDown(index, button);
}

bool BoardWindow::lift(Cell from) {
    if (isDragging() || !isVisible() || !IsOnBoard(from)) return false;
    const Occupant occupant = cells_[from]->occupant();
    if (occupant == Occupant::Empty || SideOf(occupant) != pair_.sharedTurnRecord()) return false;
    state_.DragFromCell = from;
    startDrag(from, Qt::NoButton);
    return true;
}

void BoardWindow::carryHeldTo(QPointF boardPoint) {
    if (!isDragging()) return;
    dragImage_->move((boardPoint - QRectF(dragImage_->rect()).center()).toPoint());
}

void BoardWindow::dropHeldOn(Cell target) {
    if (!isDragging()) return;
    cancelDrag();
    if (IsOnBoard(target)) pbVint_DragDrop(target);
}

void BoardWindow::putHeldBack() { cancelDrag(); }

QPointF BoardWindow::cellCentre(Cell index) const { return QRectF(cells_[index]->geometry()).center(); }

void BoardWindow::startDrag(Cell from, Qt::MouseButton button) {
    dragButton_ = button;
    // A copy of the man follows the pointer; the man himself stays on his
    // diamond until the move stands.
    dragImage_->setPixmap(cells_[from]->pixmap());
    dragImage_->move(cells_[from]->pos());
    dragImage_->show();
}

void BoardWindow::followDrag(QPoint globalPosition) {
    if (!isDragging()) return;
    const QPoint centre = board_->mapFromGlobal(globalPosition);
    dragImage_->move(centre - dragImage_->rect().center());
}

void BoardWindow::finishDrag(QPoint globalPosition, Qt::MouseButton button) {
    if (!isDragging() || button != *dragButton_) return;
    cancelDrag();
    if (CellBox* target = cellAt(globalPosition)) pbVint_DragDrop(target->index());
}

void BoardWindow::cancelDrag() {
    dragButton_.reset();
    if (dragImage_) dragImage_->hide();
}

CellBox* BoardWindow::cellAt(QPoint globalPosition) const {
    // The topmost widget decides, so where two boxes overlap at a corner
    // the one drawn in front takes the drop.
    return qobject_cast<CellBox*>(board_->childAt(board_->mapFromGlobal(globalPosition)));
}

// ------------------------------------------------------------------ moves

void BoardWindow::pbVint_DragDrop(Cell target) {
    state_.LastFromCell = state_.DragFromCell;
    state_.LastToCell = target;
    const Cell source = state_.LastFromCell;
    if (!IsOnBoard(source) || cells_[source]->occupant() == Occupant::Empty) return;
    const Side mover = SideOf(cells_[source]->occupant());
    const DropDecision decision = DecideDrop(position(), mover, state_.com, source, target);
    if (decision.outcome == DropOutcome::NoChange) return;
    if (Stands(decision.outcome)) {
        carryOut(mover, decision);
        emit moveStood(mover, source, target, decision.captures);
        emit gameChanged();
        return;
    }
    showInfo(RefusalMessage(decision.outcome));
    if (decision.outcome == DropOutcome::MustCapture) cmdShowCom_->show();
}

void BoardWindow::carryOut(Side mover, const DropDecision& decision) {
    const CommitmentsBefore before{state_.com, twin().hiddenCells()};
    const Cell from = state_.LastFromCell, to = state_.LastToCell;
    setOccupant(to, ManOf(mover));
    setOccupant(from, Occupant::Empty);
    // The move met whatever obligation it had: it binds no later move.
    if (mover == Side::Red) {
        H1LegitCom();
        state_.com.H3Com = false;
        state_.com.H3ComCell = NoCell;
    } else {
        H3LegitCom();
        state_.com.H1Com = false;
        state_.com.H1ComCell = NoCell;
    }
    if (decision.outcome == DropOutcome::WonByCorner) return endGame();
    earlierMove_.reset();
    if (mnuUnmove_->isEnabled())
        earlierMove_ = EarlierMove{state_.UndoFromCell, state_.UndoToCell, state_.LastCapture, undoCommitments_};
    state_.UndoFromCell = from;
    state_.UndoToCell = to;
    state_.LastCapture = decision.captures;
    undoCommitments_ = before;
    mnuUnmove_->setEnabled(true);
    state_.NoMenLeft = decision.outcome == DropOutcome::WonByCapture;
    if (state_.NoMenLeft) return endGame();
    passTurn();
    if (mnuSwitch_->isChecked()) pair_.showInsteadOf(twin(), *this);
}

void BoardWindow::H1LegitCom() { legitCom(Side::Red, state_.com.H1Com, state_.com.H1ComCell); }

void BoardWindow::H3LegitCom() { legitCom(Side::Blue, state_.com.H3Com, state_.com.H3ComCell); }

void BoardWindow::legitCom(Side mover, bool& committed, Cell& comCell) {
    comCell = NoCell;
    committed = false;
    BoardWindow& other = twin();
    other.setHiddenCells({});
    if (!IsOnBoard(state_.LastToCell)) return;
    if (StandsCommitted(position(), mover, state_.LastToCell)) {
        comCell = state_.LastToCell;
        committed = true;
        other.cells_[comCell]->hide();
    }
}

void BoardWindow::passTurn() {
    state_.Turn = Opponent(state_.Turn);
    pair_.setSharedTurnRecord(state_.Turn);
}

void BoardWindow::endGame() {
    lblOVER_->show();
    cmdReset_->show();
    mnuSwitch_->setEnabled(false);
    otherViewItem_->setEnabled(false);
    closeTakeBack();
    setCellsEnabled(false);
    emit gameEnded();
}

// --------------------------------------------------------------- commands

void BoardWindow::cmdReset_Click() {
    for (QWidget* item : std::initializer_list<QWidget*>{lblOVER_, cmdReset_, lblInfo_, cmdShowCom_})
        item->hide();
    if (view_.turnedHalfRound) {
        hide();
        pair_.restart();
        return;
    }
    Form_Load();
    // The new game starts with no commitment waiting in the other view.
    twin().setHiddenCells({});
}

void BoardWindow::mnuUnmove_Click() {
    if (!IsOnBoard(state_.UndoFromCell) || !IsOnBoard(state_.UndoToCell)) return;
    // A man held meanwhile belongs to the side whose turn the take back
    // ends: he must not land.
    cancelDrag();
    const Side mover = state_.Turn == Side::Blue ? Side::Red : Side::Blue;
    setOccupant(state_.UndoFromCell, ManOf(mover));
    setOccupant(state_.UndoToCell, state_.LastCapture ? ManOf(Opponent(mover)) : Occupant::Empty);
    state_.Turn = mover;
    pair_.setSharedTurnRecord(mover);
    // The obligations stand again as they stood before the move.
    state_.com = undoCommitments_.com;
    twin().setHiddenCells(undoCommitments_.markersInTwin);
    cmdShowCom_->hide();
    lblInfo_->hide();
    mnuUnmove_->setEnabled(false);
    emit tookBack();
    emit gameChanged();
}

bool BoardWindow::takeBackEarlierMove() {
    if (mnuUnmove_->isEnabled() || !earlierMove_) return false;
    const EarlierMove earlier = *std::exchange(earlierMove_, std::nullopt);
    state_.UndoFromCell = earlier.from;
    state_.UndoToCell = earlier.to;
    state_.LastCapture = earlier.capture;
    undoCommitments_ = earlier.before;
    mnuUnmove_Click();
    return true;
}

void BoardWindow::closeTakeBack() {
    mnuUnmove_->setEnabled(false);
    earlierMove_.reset();
}

void BoardWindow::otherViewItem_Click() {
    CellSet markers;
    for (Cell committed : {state_.com.H3ComCell, state_.com.H1ComCell})
        if (IsOnBoard(committed)) markers.set(committed);
    twin().setHiddenCells(twin().hiddenCells() | markers);
    lblInfo_->hide();
    cmdShowCom_->hide();
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
    lblRules_->show();
    cmdHideRules_->show();
    lblInfo_->hide();
    cmdShowCom_->hide();
}

void BoardWindow::cmdHideRules_Click() {
    cmdHideRules_->hide();
    lblRules_->hide();
}

void BoardWindow::mnuabout_Click() {
    cmdokabout_->show();
    lblabout_->show();
}

void BoardWindow::cmdokabout_Click() {
    cmdokabout_->hide();
    lblabout_->hide();
}

void BoardWindow::cmdShowCom_Click() {
    const CommitmentRecord& com = state_.com;
    if (!com.H1Com && !com.H3Com) return;
    const bool redToMove = state_.Turn == Side::Red;
    const Cell marked = redToMove ? com.H3ComCell : com.H1ComCell;
    if (!IsOnBoard(marked)) return;
    cells_[marked]->setPicture(redToMove ? view_.blueManCommitted : view_.redManCommitted, pictures_);
    cmdShowCom_->hide();
}

// ---------------------------------------------------------------- helpers

BoardWindow& BoardWindow::twin() const { return pair_.twinOf(*this); }

Position BoardWindow::position() const {
    Position position{};
    for (Cell i = 0; i < CellCount; ++i) position[i] = cells_[i]->occupant();
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
    cells_[index]->setPicture(pictureOf(occupant), pictures_);
    cells_[index]->setTag(occupant);
}

void BoardWindow::refreshCellFromTwin(Cell index) {
    setOccupant(index, twin().cells_[index]->occupant());
}

CellSet BoardWindow::hiddenCells() const {
    CellSet hidden;
    for (Cell i = 0; i < CellCount; ++i) hidden[i] = cells_[i]->isHidden();
    return hidden;
}

void BoardWindow::setHiddenCells(const CellSet& hidden) {
    for (Cell i = 0; i < CellCount; ++i) cells_[i]->setHidden(hidden[i]);
}

void BoardWindow::setFrameAndBackground(const QColor& frame, const QColor& background) {
    for (LineWidget* line : frame_) line->setColour(frame);
    for (LineWidget* line : colourLines_) line->setColour(background);
    for (QLabel* piece : background_) Paint(piece, QPalette::Window, background);
}

void BoardWindow::showInfo(const char* message) {
    lblInfo_->setText(tr(message));
    lblInfo_->show();
    emit messageShown(lblInfo_->text());
}

void BoardWindow::setCellsEnabled(bool enabled) {
    for (CellBox* box : cells_) box->setEnabled(enabled);
}

}  // namespace vintrel
