// The "&Players" menu of both views: who plays (two people, one against
// the computer on either side, or the computer against itself), the
// computer's level, and a hint. Both views show one setting, which is kept
// between runs.
#pragma once

#include "board.h"
#include "levels.h"

#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QMenu;

namespace vintrel {

class BoardWindow;
class ViewPair;

class PlayersMenu : public QObject {
    Q_OBJECT
public:
    explicit PlayersMenu(ViewPair& views);

    bool computerPlays(Side side) const;
    bool computerPlaysAny() const { return computerPlays(Side::Red) || computerPlays(Side::Blue); }
    engine::Strength strength() const { return strength_; }
    void setHintEnabled(bool enabled);

signals:
    void playersChanged();
    void strengthChanged();
    void hintAsked();

private:
    struct Items {
        QActionGroup* players;
        QActionGroup* strengths;
        QAction* hint;
    };

    Items build(BoardWindow& window);
    QAction* addChoice(QMenu* menu, QActionGroup* group, const char* name, const QString& text, int value);
    void addLevel(QMenu* menu, QActionGroup* group, const char* name, const QString& text, const QString& strength,
                  engine::Strength level);
    void choosePlayers(int value);
    void chooseStrength(int value);
    void showChoices();

    std::array<Items, 2> items_{};
    int players_ = 0;  // two people
    engine::Strength strength_ = engine::Strength::Medium;
    bool hintEnabled_ = true;
};

}  // namespace vintrel
