#include "classic/frmtable.h"
#include "ui/platform/look.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setWindowIcon(platform::applicationIcon());
    classic::frmtable window;
    // A window whose data files could not be read has told the user and ends the program.
    if (window.loaded())
        window.show();
    return app.exec();
}
