// The words for the sides and the turn, said alike by every part that
// speaks of them: the screen reader, the move list, the news of a game
// opened. Each is translated once.
#pragma once

#include "board.h"

#include <QCoreApplication>
#include <QString>

namespace vintrel {

class Words {
    Q_DECLARE_TR_FUNCTIONS(vintrel::Words)
public:
    // "Red", as a sentence begins with it.
    static QString side(Side side);
    // "red", within a sentence.
    static QString sideWithin(Side side);
    // "Red to move", of whichever word for the side is given.
    static QString toMove(const QString& side);
    // "GAME OVER!! Red won"
    static QString won(const QString& side);
};

}  // namespace vintrel
