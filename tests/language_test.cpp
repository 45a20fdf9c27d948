// The game in each language it speaks, as a player meets it: the
// catalogue's words on the bar, in the menus and in a refusal, a mnemonic
// for each key, and every text within the element that shows it.
#include "game_driver.h"
#include "game_keeper.h"
#include "language.h"
#include "players_menu.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <set>

namespace vintrel::testing {
namespace {

struct Speech {
    const char* language;  // "" for English
    QStringList bar;       // the first menus of the bar
    QStringList help;      // the Help menu's items
    QString notYourTurn;
    QString gameOver;
    QString resetButton;
    QString emptyCell43;   // what a screen reader says of it
    QString qtCancel;      // Qt's own word, on its dialogs' buttons
    QString outOfRange;    // a game refused for a move out of range
    QString expert;        // the strongest level, in the Players menu
    QString expertTip;     // its strength, before the rating
    QString redo;          // the Options menu's item
    QString browsing;      // the caption's end while move 1 of 2 is shown
    QString analysis;      // the analysis window's caption
};

const Speech English{"", {"&Options", "&View", "&Help", "R&ules"}, {"No Help", "&About Vintrel"},
                     "NOT YOUR TURN", "GAME OVER!!", "RESET", "cell 43, empty", "Cancel",
                     "game.vintrel:2: move 1, blue: 16-54 is out of range", "E&xpert", "Expert, about ",
                     "Re&do Move", " — move 1 of 2", "VINTREL ANALYSIS"};
const Speech German{"de", {"&Optionen", "&Ansicht", "&Hilfe", "&Regeln"}, {"Keine Hilfe", "&Über Vintrel"},
                    "NICHT DEIN ZUG", "SPIEL AUS!!", "NEUSTART", "Feld 43, leer", "Abbrechen",
                    "game.vintrel:2: Zug 1, Blau: 16-54 ist außer Reichweite", "E&xperte", "Experte, etwa ",
                    "Zug wie&derholen", " — Zug 1 von 2", "VINTREL ANALYSE"};
const Speech French{"fr", {"&Options", "&Affichage", "A&ide", "&Règles"}, {"Pas d'aide", "À &propos de Vintrel"},
                    "CE N'EST PAS VOTRE TOUR", "FIN DU JEU\u00a0!!", "RECOMMENCER", "case 43, vide", "Annuler",
                    "game.vintrel:2: coup 1, bleu : 16-54 est hors de portée", "E&xpert", "Expert, environ ",
                    "Ré&tablir le coup", " — coup 1 sur 2", "VINTREL ANALYSE"};

void PrintTo(const Speech& speech, std::ostream* out) { *out << (*speech.language ? speech.language : "en"); }

// Every message the message label can show, as the window translates it.
QStringList Messages() {
    QStringList messages;
    for (const char* english : {"NOT YOUR TURN", "YOU MAY NOT LAND ON YOUR OWN MAN", "MOVE NOT PERMITTED!!",
                                "YOU ARE COMMITTED TO CAPTURE"})
        messages << QCoreApplication::translate("vintrel::BoardWindow", english);
    return messages;
}

QStringList TextsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator()) texts << action->text();
    return texts;
}

// The keys of `texts`' mnemonics that more than one of them claims.
std::set<QChar> RepeatedMnemonics(const QStringList& texts) {
    std::set<QChar> seen, repeated;
    for (const QString& text : texts) {
        const qsizetype amp = QString(text).replace(QLatin1String("&&"), QLatin1String("  ")).indexOf(u'&');
        if (amp < 0 || amp + 1 >= text.size()) continue;
        const QChar key = text[amp + 1].toLower();
        if (!seen.insert(key).second) repeated.insert(key);
    }
    return repeated;
}

// Where a wrapped label's text overflows it, or "" when it fits.
QString Overflow(const QLabel& label, const QString& text) {
    const QRect room = label.contentsRect();
    const QRect needed =
        label.fontMetrics().boundingRect(room, int(label.alignment()) | Qt::TextWordWrap, text);
    if (needed.height() <= room.height() && needed.width() <= room.width()) return {};
    return QStringLiteral("%1 needs %2x%3 of %4x%5: %6")
        .arg(label.objectName()).arg(needed.width()).arg(needed.height())
        .arg(room.width()).arg(room.height()).arg(text.left(40));
}

QString Overflow(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QSize needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
    return QStringLiteral("%1 needs %2 of %3: %4")
        .arg(button.objectName()).arg(needed.width()).arg(room.width()).arg(button.text());
}

class InEachLanguage : public ::testing::TestWithParam<Speech> {
protected:
    // The language is in place before the windows are built, as at the
    // program's start.
    InEachLanguage() : speaking_(GetParam().language) {}
    ~InEachLanguage() override { SpeakLanguage({}); }

    struct Speaking {
        explicit Speaking(const QString& language) { SpeakLanguage(language); }
    } speaking_;
    // With the Players menu and the items that keep games, in the
    // Options and View menus.
    GameDriver game_{ProgramOptions{.computer = true}};

    std::vector<BoardWindow*> windows() { return {&game_.red(), &game_.blue()}; }
};

TEST_P(InEachLanguage, BarAndHelpMenuSpeakTheCatalogue) {
    const QList<QAction*> bar = game_.red().menuBar()->actions();
    EXPECT_EQ(TextsOf(bar.mid(0, GetParam().bar.size())), GetParam().bar);
    EXPECT_EQ(TextsOf(bar[2]->menu()->actions()), GetParam().help);
}

TEST_P(InEachLanguage, PanelsButtonsAndCellsSpeakTheCatalogue) {
    EXPECT_EQ(GameDriver::label(game_.red(), "lblOVER").text(), GetParam().gameOver);
    EXPECT_EQ(GameDriver::button(game_.blue(), "cmdReset").text(), GetParam().resetButton);
    EXPECT_EQ(game_.red().cell(43).accessibleName(), GetParam().emptyCell43);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), GetParam().qtCancel);
}

// The level's item, and its rating in its tip and in the status bar.
TEST_P(InEachLanguage, TheExpertLevelAndItsRatingSpeakTheCatalogue) {
    const QAction& expert = GameDriver::action(game_.blue(), "mnuExpert");
    EXPECT_EQ(expert.text(), GetParam().expert);
    ASSERT_TRUE(expert.toolTip().startsWith(GetParam().expertTip)) << expert.toolTip().toStdString();
    EXPECT_GT(expert.toolTip().mid(GetParam().expertTip.size()).toInt(), 1000) << expert.toolTip().toStdString();
    EXPECT_EQ(expert.statusTip(), expert.toolTip());
}

TEST_P(InEachLanguage, ARefusalIsToldInTheLanguage) {
    game_.click(BlueHomeCells[0]);
    EXPECT_EQ(game_.message(), GetParam().notYourTurn);
}

TEST_P(InEachLanguage, AGameTextIsRefusedInTheLanguage) {
    game_.games().files().openText("1. 61-43\n16-54\n", QStringLiteral("game.vintrel"));
    const auto* dialog = game_.shown().findChild<QMessageBox*>(QStringLiteral("gameError"));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->text(), GetParam().outOfRange);
}

// Redo, an earlier position shown and the analysis, with every button of
// the move list and the analysis wide enough for its text.
TEST_P(InEachLanguage, RedoBrowsingAndTheAnalysisSpeakTheCatalogueAndFit) {
    EXPECT_EQ(GameDriver::action(game_.red(), "mnuRedo").text(), GetParam().redo);
    game_.play("61-43 16-34");
    game_.model().browse(1);
    EXPECT_TRUE(game_.shown().windowTitle().endsWith(GetParam().browsing)) << game_.shown().windowTitle().toStdString();
    game_.trigger("mnuMoves");
    game_.trigger("mnuAnalyse");
    QWidget& analysis = game_.program().analysis();
    EXPECT_EQ(analysis.windowTitle(), GetParam().analysis);
    for (QWidget* window : {&analysis, &game_.games().moveList().window()})
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const QString overflow = Overflow(*button);
            EXPECT_TRUE(overflow.isEmpty()) << overflow.toStdString();
        }
    analysis.close();
}

TEST_P(InEachLanguage, MnemonicsAreUniqueOnTheBarAndInEachMenu) {
    for (BoardWindow* window : windows()) {
        const QList<QAction*> bar = window->menuBar()->actions();
        EXPECT_TRUE(RepeatedMnemonics(TextsOf(bar)).empty()) << TextsOf(bar).join(u' ').toStdString();
        for (const QAction* title : bar) {
            if (!title->menu()) continue;
            const QStringList items = TextsOf(title->menu()->actions());
            EXPECT_TRUE(RepeatedMnemonics(items).empty()) << items.join(u' ').toStdString();
        }
    }
}

TEST_P(InEachLanguage, EveryTextFitsItsElement) {
    for (BoardWindow* window : windows()) {
        for (const QLabel* label : window->board()->findChildren<QLabel*>()) {
            const QString overflow = Overflow(*label, label->text());
            EXPECT_TRUE(overflow.isEmpty()) << overflow.toStdString();
        }
        for (const QString& message : Messages()) {
            const QString overflow = Overflow(GameDriver::label(*window, "lblInfo"), message);
            EXPECT_TRUE(overflow.isEmpty()) << overflow.toStdString();
        }
        for (const QPushButton* button : window->board()->findChildren<QPushButton*>()) {
            const QString overflow = Overflow(*button);
            EXPECT_TRUE(overflow.isEmpty()) << overflow.toStdString();
        }
        // The bar holds every menu in one row, with none pushed off its end.
        QMenuBar* bar = window->menuBar();
        for (QAction* title : bar->actions())
            EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(title))) << title->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, InEachLanguage, ::testing::Values(English, German, French),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

// The first of the user's languages that the game speaks, English included.
TEST(ChosenLanguage, FirstSpokenOfTheUsersLanguages) {
    EXPECT_EQ(ChosenLanguage({"de-DE", "en-US"}), "de");
    EXPECT_EQ(ChosenLanguage({"fr_CA"}), "fr");
    EXPECT_EQ(ChosenLanguage({"it-IT", "fr-FR", "de"}), "fr");
    EXPECT_EQ(ChosenLanguage({"en-GB", "de-DE"}), "");
    EXPECT_EQ(ChosenLanguage({"it-IT", "C"}), "");
}

}  // namespace
}  // namespace vintrel::testing
