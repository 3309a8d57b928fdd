// soccer-cli: the tables of a season file for scripts, without a window.
#include "cli/consoleoutput.h"
#include "cli/subcommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

namespace {

// PDF pages are painted with the GUI library's fonts, which needs a platform; without a
// display the offscreen one serves. Commands that paint nothing start without it.
bool paints(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const cli::Subcommand *command = cli::findSubcommand(arguments.value(1));
    return command != nullptr && command->paints != nullptr &&
           command->paints(cli::subcommandArguments(arguments));
}

std::unique_ptr<QCoreApplication> startApplication(int &argc, char *argv[]) {
    if (!paints(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[]) {
    const cli::ConsoleOutput console;
    const auto application = startApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("soccer-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SOCCER_VERSION));
    return cli::runCommandLine(QCoreApplication::arguments());
}
