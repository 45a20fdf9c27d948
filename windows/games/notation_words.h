// Why a text is not a game, in the player's language.
#pragma once

#include "notation.h"

#include <QCoreApplication>
#include <QString>

namespace vintrel {

class NotationWords {
    Q_DECLARE_TR_FUNCTIONS(vintrel::NotationWords)
public:
    // "game.vintrel:7: move 12, blue: 34-56 is out of range", `source`
    // naming where the text came from.
    static QString describe(const NotationError& error, const QString& source);
};

}  // namespace vintrel
