#include "classic/leaguefolder.h"

#include "classic/classicleague.h"
#include "core/files/locations.h"

#include <QFile>
#include <QFileInfo>

namespace classic {

namespace {

const QStringList kDataFiles = {kCellsFile, kNamesFile, kCountersFile};

bool holdsAnyDataFile(const QDir &folder) {
    for (const QString &name : kDataFiles)
        if (QFileInfo::exists(folder.filePath(name)))
            return true;
    return false;
}

} // namespace

QDir leagueFolder() {
    const QString folder = soccer::classicDataFolder();
    if (soccer::placement() == soccer::Placement::Installed)
        provideFreshLeague(folder, soccer::deliveredClassicFolder());
    return QDir(folder);
}

void provideFreshLeague(const QString &folder, const QString &delivered) {
    const QDir target(folder);
    if (holdsAnyDataFile(target) || !QDir().mkpath(folder))
        return;
    for (const QString &name : kDataFiles) {
        const QString copy = target.filePath(name);
        // The delivered files are read-only, and a copy keeps the permissions of its source.
        if (QFile::copy(QDir(delivered).filePath(name), copy))
            QFile::setPermissions(copy,
                                  QFile::permissions(copy) | QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace classic
