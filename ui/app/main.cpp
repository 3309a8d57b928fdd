#include "ui/dialogs/frmopen.h"
#include "ui/platform/look.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setApplicationName(QStringLiteral("soccer"));
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_VERSION));
    QApplication::setWindowIcon(platform::applicationIcon());
    // The open-table dialog comes first; every later window is shown by the one before it.
    frmopen::create();
    return app.exec();
}
