#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vintrel {
namespace {

// Each language's catalogue is built into the program as
// :/translations/vintrel_<language>.qm.
const QString CatalogueFolder = QStringLiteral(":/translations");

QString CatalogueOf(const QString& language) {
    return CatalogueFolder + QStringLiteral("/vintrel_") + language + QStringLiteral(".qm");
}

std::unique_ptr<QTranslator>& GameTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// "de-DE", "de_AT" and "de" all speak German.
QString LanguageCode(const QString& uiLanguage) {
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

void Replace(std::unique_ptr<QTranslator>& slot, const QString& file, const QString& folder = {}) {
    if (slot) QCoreApplication::removeTranslator(slot.get());
    slot.reset();
    if (file.isEmpty()) return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) return;
    QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
}

}  // namespace

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(CatalogueFolder).entryList({QStringLiteral("vintrel_*.qm")}, QDir::Files))
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}

QString ChosenLanguage(const QStringList& uiLanguages) {
    const QStringList translated = TranslatedLanguages();
    for (const QString& uiLanguage : uiLanguages) {
        const QString code = LanguageCode(uiLanguage);
        if (code == QLatin1String("en")) return {};
        if (translated.contains(code)) return code;
    }
    return {};
}

void SpeakLanguage(const QString& language) {
    if (language.isEmpty()) {
        Replace(GameTranslator(), {});
        Replace(QtTranslator(), {});
        return;
    }
    Replace(GameTranslator(), CatalogueOf(language));
    Replace(QtTranslator(), QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace vintrel
