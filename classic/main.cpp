#include "classic/frmtable.h"
#include "ui/platform/commandline.h"
#include "ui/platform/look.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_CLASSIC_VERSION));
    // --help and --version print their text and end the program before any window system is
    // reached; a start without a display says so instead of aborting. Without them the start
    // is as it always was.
    platform::answerHelpOrVersion(argc, argv);
    platform::requireDisplay(argc, argv);
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setWindowIcon(platform::applicationIcon());
    platform::processCommandLine(app);
    classic::frmtable window;
    // A window whose data files could not be read has told the user and ends the program.
    if (window.loaded())
        window.show();
    return app.exec();
}
