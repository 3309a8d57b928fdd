#include "core/files/locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace soccer {

namespace {

// The folder names under the user's folders, fixed so that both programs and every test
// binary agree whatever their application names.
const QString kProgramName = QStringLiteral("soccer");
const QString kClassicName = QStringLiteral("soccer-classic");

QString &folderOverride() {
    static QString folder;
    return folder;
}

#ifdef Q_OS_WIN
// Windows' installer puts the data beside the programs, in one folder with its uninstaller,
// which is what tells an installation from a folder the user unpacked the zip into: Qt sees
// the Program Files folder as writable, since it does not ask the folder's access list.
const QString kUninstaller = QStringLiteral("uninstall.exe");

QString installedDataFolderOf(const QString &programFolder) {
    return programFolder;
}

bool isInstallation(const QString &programFolder) {
    return QFileInfo::exists(programFolder + QLatin1Char('/') + kUninstaller);
}
#else
QString installedDataFolderOf(const QString &programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/") + kProgramName);
}

bool isInstallation(const QString &programFolder) {
    return QFileInfo(installedDataFolderOf(programFolder)).isDir();
}
#endif

QString userFolder(QStandardPaths::StandardLocation location, const QString &name) {
    return QStandardPaths::writableLocation(location) + QLatin1Char('/') + name;
}

QString madeFolder(const QString &path) {
    // A folder that cannot be made shows up where it is used: the write into it fails and
    // says so, and the open-table dialog lists nothing.
    QDir().mkpath(path);
    return path;
}

} // namespace

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void setProgramFolder(const QString &folder) {
    folderOverride() = folder;
}

Placement placementOf(const QString &folder, bool writable) {
    if (!writable || isInstallation(folder))
        return Placement::Installed;
    return Placement::Portable;
}

Placement placement() {
    const QString folder = programFolder();
    const QFileInfo info(folder);
    // A program folder that is not there (removed while the program runs) stays the user's:
    // writes into it fail and say so, as they always did, rather than go elsewhere unasked.
    return placementOf(folder, !info.exists() || info.isWritable());
}

QString dataFolder() {
    return installedDataFolderOf(programFolder());
}

QString deliveredFile(const QString &name) {
    const QString beside = programFolder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside))
        return beside;
    return dataFolder() + QLatin1Char('/') + name;
}

QString optionsFilePath() {
    if (placement() == Placement::Portable)
        return programFolder() + QStringLiteral("/option.dat");
    return userFolder(QStandardPaths::GenericConfigLocation, kProgramName) +
           QStringLiteral("/option.dat");
}

QString tablesFolder() {
    if (placement() == Placement::Portable)
        return programFolder();
    return madeFolder(userFolder(QStandardPaths::DocumentsLocation, kProgramName));
}

QString tablesBrowseFolder() {
    if (placement() == Placement::Portable)
        return QDir::currentPath();
    return tablesFolder();
}

QString classicDataFolder() {
    if (placement() == Placement::Portable)
        return QDir::currentPath();
    return userFolder(QStandardPaths::GenericDataLocation, kClassicName);
}

QString deliveredClassicFolder() {
#ifdef Q_OS_WIN
    // Beside the programs, in the installed folder as in the zip.
    return dataFolder();
#else
    return dataFolder() + QStringLiteral("/classic");
#endif
}

} // namespace soccer
