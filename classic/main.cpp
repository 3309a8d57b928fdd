#include "classic/frmtable.h"
#include "ui/platform/look.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

// --help and --version print their text and end the program before the window opens; without
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
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_CLASSIC_VERSION));
    QApplication::setWindowIcon(platform::applicationIcon());
    processCommandLine(app);
    classic::frmtable window;
    // A window whose data files could not be read has told the user and ends the program.
    if (window.loaded())
        window.show();
    return app.exec();
}
