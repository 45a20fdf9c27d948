// The language the game speaks: English, in which it is written, or one of
// the translations built into the program.
#pragma once

#include <QString>
#include <QStringList>

namespace vintrel {

// The languages the program carries besides English, e.g. "de".
QStringList TranslatedLanguages();

// The first of the user's languages, in his order of preference, that the
// game speaks: "" for English, else the code of a translation. A language
// the game does not speak is passed over; none at all means English.
QString ChosenLanguage(const QStringList& uiLanguages);

// Installs the game's translation into `language` and Qt's own, for its
// dialogs, where the system has it; "" speaks English again. Windows built
// afterwards speak the language.
void SpeakLanguage(const QString& language);

}  // namespace vintrel
