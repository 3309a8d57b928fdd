#include "classic/frmtable.h"
#include "ui/platform/commandline.h"
#include "ui/platform/look.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_CLASSIC_VERSION));
    QApplication::setWindowIcon(platform::applicationIcon());
    // --help and --version end the program before the window opens; without them the start
    // is as it always was.
    QCommandLineParser parser;
    platform::processCommandLine(parser, app);
    classic::frmtable window;
    // A window whose data files could not be read has told the user and ends the program.
    if (window.loaded())
        window.show();
    return app.exec();
}
