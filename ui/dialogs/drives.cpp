#include "ui/dialogs/drives.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>

namespace drives {
namespace {

std::optional<QList<Volume>> installed;

const QString kRoot = QStringLiteral("/");

// Filesystems that only show the kernel's state or serve the system; none holds tables.
bool isKernelFilesystem(const QString &type) {
    static const QSet<QString> types = {
        QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"), QStringLiteral("bpf"),
        QStringLiteral("cgroup"),     QStringLiteral("cgroup2"),     QStringLiteral("configfs"),
        QStringLiteral("debugfs"),    QStringLiteral("devpts"),      QStringLiteral("devtmpfs"),
        QStringLiteral("efivarfs"),   QStringLiteral("fusectl"),     QStringLiteral("hugetlbfs"),
        QStringLiteral("mqueue"),     QStringLiteral("nsfs"),        QStringLiteral("proc"),
        QStringLiteral("pstore"),     QStringLiteral("rpc_pipefs"),  QStringLiteral("securityfs"),
        QStringLiteral("selinuxfs"),  QStringLiteral("sysfs"),       QStringLiteral("tracefs"),
        QStringLiteral("fuse.lxcfs"),
    };
    return types.contains(type);
}

bool isUnder(const QString &path, const QString &folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// /run holds the system's and the sessions' runtime files; of it, only the removable media
// that some systems mount under /run/media are the user's.
bool isSystemPlace(const QString &root) {
    for (const char *folder : {"/proc", "/sys", "/dev"}) {
        if (isUnder(root, QString::fromLatin1(folder))) {
            return true;
        }
    }
    return isUnder(root, QStringLiteral("/run")) && !isUnder(root, QStringLiteral("/run/media"));
}

// Overlay and squashfs mounts away from "/" are the layers of container and snap images.
bool isWorthOffering(const Volume &volume) {
    const QString &type = volume.fsType;
    return !isKernelFilesystem(type) && !isSystemPlace(volume.root) &&
           type != QStringLiteral("overlay") && type != QStringLiteral("squashfs");
}

Volume mountedAt(const QList<Volume> &mounted, const QString &root) {
    for (const Volume &volume : mounted) {
        if (volume.root == root) {
            return volume;
        }
    }
    return Volume{root, QString(), QString()};
}

} // namespace

QList<Volume> offered(const QList<Volume> &mounted, const QString &homeFolder) {
    QList<Volume> result{mountedAt(mounted, kRoot)};
    QSet<QString> roots{kRoot};
    const QString home = homeFolder.isEmpty() ? QString() : QDir::cleanPath(homeFolder);
    if (!home.isEmpty() && !roots.contains(home)) {
        result << mountedAt(mounted, home);
        roots << home;
    }
    for (const Volume &volume : mounted) {
        if (!roots.contains(volume.root) && isWorthOffering(volume)) {
            result << volume;
            roots << volume.root;
        }
    }
    return result;
}

QList<Volume> offeredDrives(const QList<Volume> &mounted) {
    static const QRegularExpression driveRoot(QStringLiteral("^[A-Za-z]:/$"));
    QMap<QString, Volume> byLetter;
    for (const Volume &volume : mounted) {
        const QString letter = volume.root.left(1).toUpper();
        if (driveRoot.match(volume.root).hasMatch() && !byLetter.contains(letter)) {
            byLetter.insert(letter, volume);
        }
    }
    return byLetter.values();
}

QList<Volume> offeredHere(const QList<Volume> &mounted, const QString &homeFolder) {
#ifdef Q_OS_WIN
    Q_UNUSED(homeFolder);
    return offeredDrives(mounted);
#else
    return offered(mounted, homeFolder);
#endif
}

QList<Volume> mountedVolumes() {
    if (installed) {
        return *installed;
    }
    QList<Volume> result;
#ifdef Q_OS_WIN
    // QDir::drives() names every letter in use, a drive without a disk as well, which the list
    // shows as the old drive list did: choosing it then says the disk is not ready.
    for (const QFileInfo &drive : QDir::drives()) {
        const QStorageInfo volume(drive.absoluteFilePath());
        result << Volume{drive.absoluteFilePath(), QString::fromLatin1(volume.fileSystemType()),
                         volume.name()};
    }
#else
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        result << Volume{volume.rootPath(), QString::fromLatin1(volume.fileSystemType()),
                         volume.name()};
    }
#endif
    return result;
}

void installMountedVolumes(const std::optional<QList<Volume>> &volumes) {
    installed = volumes;
}

} // namespace drives
