#include "players_menu.h"

#include "board_window.h"
#include "player_settings.h"
#include "view_pair.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QSettings>

namespace vintrel {
namespace {

// Each level's rating, easy taken as 1000, rounded to 50, from the
// tournament of the levels in docs/engine.md.
int RatingOf(engine::Strength strength) {
    constexpr int Ratings[] = {1000, 1300, 1550, 1700};
    return Ratings[int(strength)];
}

void Check(QActionGroup* group, int value) {
    for (QAction* action : group->actions()) action->setChecked(action->data().toInt() == value);
}

}  // namespace

PlayersMenu::PlayersMenu(ViewPair& views) {
    const PlayerSettings read = ReadPlayerSettings(UserSettings());
    players_ = read.players;
    strength_ = read.strength;
    // Junk, or values of another version: the defaults, kept from now on.
    if (read.needsRewrite) RewritePlayerSettings(read);
    views.forEachWindow(this, [this](BoardWindow& window) {
        items_[window.view().turnedHalfRound ? 1 : 0] = build(window);
        showChoices();
    });
}

PlayersMenu::Items PlayersMenu::build(BoardWindow& window) {
    QMenu* menu = window.menuBar()->addMenu(tr("&Players"));
    menu->setObjectName(QStringLiteral("mnuPlayers"));
    Items items{new QActionGroup(menu), new QActionGroup(menu), nullptr};
    addChoice(menu, items.players, "mnuTwoPlayers", tr("&Two Players"), TwoPlayers);
    addChoice(menu, items.players, "mnuComputerBlue", tr("Computer Plays &Blue"), ComputerBlue);
    addChoice(menu, items.players, "mnuComputerRed", tr("Computer Plays &Red"), ComputerRed);
    addChoice(menu, items.players, "mnuComputerBoth", tr("Computer Plays B&oth"), ComputerBoth);
    connect(items.players, &QActionGroup::triggered, this, [this](QAction* a) { choosePlayers(a->data().toInt()); });
    menu->addSeparator();
    menu->setToolTipsVisible(true);
    addLevel(menu, items.strengths, "mnuEasy", tr("&Easy"), tr("Easy, about %1"), engine::Strength::Easy);
    addLevel(menu, items.strengths, "mnuMedium", tr("&Medium"), tr("Medium, about %1"), engine::Strength::Medium);
    addLevel(menu, items.strengths, "mnuHard", tr("&Hard"), tr("Hard, about %1"), engine::Strength::Hard);
    addLevel(menu, items.strengths, "mnuExpert", tr("E&xpert"), tr("Expert, about %1"), engine::Strength::Expert);
    connect(items.strengths, &QActionGroup::triggered, this, [this](QAction* a) { chooseStrength(a->data().toInt()); });
    menu->addSeparator();
    items.hint = menu->addAction(tr("H&int"), this, &PlayersMenu::hintAsked);
    items.hint->setObjectName(QStringLiteral("mnuHint"));
    return items;
}

QAction* PlayersMenu::addChoice(QMenu* menu, QActionGroup* group, const char* name, const QString& text, int value) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    action->setData(value);
    group->addAction(action);
    return action;
}

// The level's strength in Elo, in its tip and in the status bar.
void PlayersMenu::addLevel(QMenu* menu, QActionGroup* group, const char* name, const QString& text,
                           const QString& strength, engine::Strength level) {
    QAction* action = addChoice(menu, group, name, text, int(level));
    const QString tip = strength.arg(RatingOf(level));
    action->setToolTip(tip);
    action->setStatusTip(tip);
}

bool PlayersMenu::computerPlays(Side side) const {
    return players_ == ComputerBoth || players_ == (side == Side::Blue ? ComputerBlue : ComputerRed);
}

void PlayersMenu::setHintEnabled(bool enabled) {
    hintEnabled_ = enabled;
    for (const Items& items : items_)
        if (items.hint) items.hint->setEnabled(enabled);
}

void PlayersMenu::choosePlayers(int value) {
    QSettings settings = UserSettings();
    WritePlayers(settings, value);
    players_ = value;
    showChoices();
    emit playersChanged();
}

void PlayersMenu::chooseStrength(int value) {
    strength_ = engine::Strength(value);
    QSettings settings = UserSettings();
    WriteStrength(settings, strength_);
    showChoices();
    emit strengthChanged();
}

// Both views check the same items, whichever was chosen.
void PlayersMenu::showChoices() {
    for (const Items& items : items_) {
        if (!items.players) continue;
        Check(items.players, players_);
        Check(items.strengths, int(strength_));
        items.hint->setEnabled(hintEnabled_);
    }
}

}  // namespace vintrel
