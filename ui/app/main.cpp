#include "ui/app/navigation.h"
#include "ui/platform/commandline.h"
#include "ui/platform/look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

void addTableArgument(QCommandLineParser &parser) {
    parser.addPositionalArgument(QStringLiteral("ФАЙЛ"),
                                 QStringLiteral("Таблица, которую открыть сразу (*.TFL)"),
                                 QStringLiteral("[ФАЙЛ]"));
}

// The table named on the command line, as an absolute path (a relative one is taken from the
// current folder); nothing when none is named.
std::optional<QString> tableOnCommandLine(const QApplication &app) {
    const QStringList files = platform::processCommandLine(app, addTableArgument);
    if (files.size() > 1) {
        std::fputs("Можно открыть только одну таблицу\n", stderr);
        std::exit(1);
    }
    if (files.isEmpty())
        return std::nullopt;
    return QFileInfo(files.first()).absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("soccer"));
    QApplication::setApplicationVersion(QStringLiteral(SOCCER_VERSION));
    // --help and --version print their text and end the program before any window system is
    // reached; a start without a display says so instead of aborting.
    platform::answerHelpOrVersion(argc, argv, addTableArgument);
    platform::requireDisplay(argc, argv);
    QApplication app(argc, argv);
    platform::installRussianTranslations();
    QApplication::setWindowIcon(platform::applicationIcon());
    const std::optional<QString> table = tableOnCommandLine(app);
    // The open-table dialog comes first, unless a table was named; navigation chooses every
    // later window.
    if (table)
        navigation::startWith(*table);
    else
        navigation::start();
    return app.exec();
}
