// The entry point of every widget test program: a QApplication around
// GoogleTest, headless unless told otherwise.
#include "startup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The headless platform cannot raise or size a window and says so at every
// change of view; thousands of moves would bury a failure under it.
void QuietenHeadlessPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever a test chooses or saves is kept in scratch folders, never in
    // the settings and games of whoever runs the tests.
    const QTemporaryDir settings, data;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    // The windows speak English whatever the tester's language; a test of
    // another language chooses it itself.
    qputenv("LANGUAGE", "en");
    qtDefaultHandler = qInstallMessageHandler(&QuietenHeadlessPlatform);
    QApplication app(argc, argv);
    vintrel::ConfigureApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
