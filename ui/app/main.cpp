#include "ui/app/navigation.h"
#include "ui/platform/look.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setApplicationName(QStringLiteral("soccer"));
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_VERSION));
    QApplication::setWindowIcon(platform::applicationIcon());
    // The open-table dialog comes first; navigation chooses every later window.
    navigation::start();
    return app.exec();
}
