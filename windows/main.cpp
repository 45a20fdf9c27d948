#include "program.h"
#include "startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QRandomGenerator>

#include <cstdio>

namespace {

struct StartRequest {
    QString file;
    bool resume = false;
};

// Ends the program for --help and --version and, once Qt has taken its own
// options out, for a command line it cannot take, with 2 as the shell's
// usage error.
StartRequest ReadCommandLine(const QCoreApplication& app, bool qtOptionsTaken) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "A board game of diamonds for two players."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption resume(QStringLiteral("resume"), QApplication::translate("main", "Resume the last game."));
    parser.addOption(resume);
    parser.addPositionalArgument(QStringLiteral("FILE"), QApplication::translate("main", "A saved game to open."),
                                 QStringLiteral("[FILE]"));
    const bool understood = parser.parse(app.arguments()) && parser.positionalArguments().size() <= 1;
    if (!understood && qtOptionsTaken) {
        const QString error = parser.errorText().isEmpty()
                                  ? QApplication::translate("main", "Only one game can be opened.")
                                  : parser.errorText();
        std::fprintf(stderr, "vintrel: %s\n%s", qPrintable(error), qPrintable(parser.helpText()));
        std::exit(2);
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    const QStringList files = parser.positionalArguments();
    return {files.isEmpty() ? QString() : files.first(), parser.isSet(resume)};
}

}  // namespace

int main(int argc, char* argv[]) {
    vintrel::PrepareApplication();
    {
        // Read without a display first, so that --help needs none.
        QCoreApplication reader(argc, argv);
        vintrel::ConfigureCommandLine();
        ReadCommandLine(reader, false);
    }
    QApplication app(argc, argv);
    vintrel::ConfigureApplication();
    const StartRequest request = ReadCommandLine(app, true);

    const auto search = vintrel::PictureFiles::locate(vintrel::PictureFiles::searchFolders());
    for (const QString& note : search.notes) std::fprintf(stderr, "vintrel: %s\n", qPrintable(note));
    if (!search.files) {
        std::fprintf(stderr, "vintrel: %s\n", qPrintable(search.error));
        QMessageBox::critical(nullptr, QStringLiteral("VINTREL"), search.error);
        return 2;
    }

    vintrel::Program program(*search.files, {.seed = QRandomGenerator::global()->generate64()});
    QObject::connect(&program.views(), &vintrel::ViewPair::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    if (!request.file.isEmpty())
        program.games().files().open(request.file);
    else if (request.resume)
        program.games().files().resume();
    return app.exec();
}
