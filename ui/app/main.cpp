#include "ui/app/navigation.h"
#include "ui/platform/look.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

// --help and --version print their text and end the program before any window opens; without
// them the start is as it always was.
void processCommandLine(const QApplication &app) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Показать эту справку"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Показать версию программы"));
    parser.addOption(help);
    parser.addOption(version);
    parser.process(app);
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setApplicationName(QStringLiteral("soccer"));
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_VERSION));
    QApplication::setWindowIcon(platform::applicationIcon());
    processCommandLine(app);
    // The open-table dialog comes first; navigation chooses every later window.
    navigation::start();
    return app.exec();
}
