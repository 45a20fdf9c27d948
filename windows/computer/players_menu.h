// The "&Players" menu of both views: who plays (two people, or one against
// the computer on either side), the computer's level, and a hint. Both
// views show one setting, which is kept between runs.
#pragma once

#include "board.h"
#include "levels.h"

#include <QObject>

#include <array>
#include <optional>

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

    // The side the computer plays; none for two people.
    std::optional<Side> computerSide() const { return computerSide_; }
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
    void choosePlayers(int value);
    void chooseStrength(int value);
    void showChoices();

    std::array<Items, 2> items_{};
    std::optional<Side> computerSide_;
    engine::Strength strength_ = engine::Strength::Medium;
    bool hintEnabled_ = true;
};

}  // namespace vintrel
