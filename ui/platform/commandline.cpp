#include "ui/platform/commandline.h"

#include "ui/platform/look.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

struct StandardOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Показать эту справку")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Показать версию программы")};
};

void addOptions(QCommandLineParser &parser, const StandardOptions &options,
                const OwnArguments &addOwn) {
    if (addOwn)
        addOwn(parser);
    parser.addOption(options.help);
    parser.addOption(options.version);
}

void answer(QCommandLineParser &parser, const StandardOptions &options) {
    if (parser.isSet(options.help))
        parser.showHelp();
    if (parser.isSet(options.version))
        parser.showVersion();
}

#ifndef Q_OS_WIN
bool environmentSet(const char *name) {
    return !qEnvironmentVariableIsEmpty(name);
}

bool platformArgument(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        // Qt takes its own options with one dash or two.
        const char *argument = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (std::strcmp(argument, "-platform") == 0)
            return true;
    }
    return false;
}
#endif

} // namespace

void answerHelpOrVersion(int &argc, char **argv, const OwnArguments &addOwn) {
    const QCoreApplication reader(argc, argv);
    installRussianTranslations();
    const StandardOptions options;
    QCommandLineParser parser;
    addOptions(parser, options, addOwn);
    // Qt's own options (-platform, -style, ...) are unknown here: only -h and -v matter now.
    parser.parse(QCoreApplication::arguments());
    answer(parser, options);
}

QStringList processCommandLine(const QCoreApplication &app, const OwnArguments &addOwn) {
    const StandardOptions options;
    QCommandLineParser parser;
    addOptions(parser, options, addOwn);
    parser.process(app);
    answer(parser, options);
    return parser.positionalArguments();
}

void requireDisplay(int argc, char **argv) {
#ifdef Q_OS_WIN
    // Windows always has its desktop; the variables below mean nothing there.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#else
    if (environmentSet("QT_QPA_PLATFORM") || platformArgument(argc, argv) ||
        environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY"))
        return;
    std::fputs("Нет экрана, на котором показать окно: не заданы DISPLAY и WAYLAND_DISPLAY\n",
               stderr);
    std::exit(1);
#endif
}

} // namespace platform
