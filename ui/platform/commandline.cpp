#include "ui/platform/commandline.h"

#include <QApplication>
#include <QCommandLineParser>

namespace platform {

void processCommandLine(QCommandLineParser &parser, const QApplication &app) {
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

} // namespace platform
