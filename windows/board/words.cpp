#include "words.h"

namespace vintrel {

QString Words::side(Side side) { return side == Side::Red ? tr("Red") : tr("Blue"); }

QString Words::sideWithin(Side side) { return side == Side::Red ? tr("red") : tr("blue"); }

QString Words::toMove(const QString& side) { return tr("%1 to move").arg(side); }

QString Words::won(const QString& side) { return tr("GAME OVER!! %1 won").arg(side); }

}  // namespace vintrel
