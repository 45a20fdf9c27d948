#include "notation_words.h"

#include "words.h"

namespace vintrel {

QString NotationWords::describe(const NotationError& error, const QString& source) {
    QString text = source;
    if (error.line > 0) text += QLatin1Char(':') + QString::number(error.line);
    text += QStringLiteral(": ");
    if (error.moveNumber > 0) text += tr("move %1, %2: ").arg(error.moveNumber).arg(Words::sideWithin(error.side));
    // The words are the text's own, a move or a tag as written: filled in
    // as they are, never read as places for more words.
    const QByteArray said = tr(EnglishTextOf(error.fault).data()).toUtf8();
    return text + QString::fromStdString(FillIn(std::string_view(said.constData(), std::size_t(said.size())), error.words));
}

}  // namespace vintrel
