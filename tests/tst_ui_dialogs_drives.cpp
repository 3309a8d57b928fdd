// Which mounts the open-table dialog's drive list offers, decided on lists of volumes made up
// here, so that no mount of the machine running the test matters.
#include "ui/dialogs/drives.h"

#include <QDir>
#include <QtTest>

using drives::Volume;

namespace {

QStringList shown(const QList<Volume> &volumes) {
    QStringList result;
    for (const Volume &volume : volumes) {
        result << (volume.label.isEmpty()
                       ? volume.root
                       : volume.root + QStringLiteral(" [") + volume.label + QStringLiteral("]"));
    }
    return result;
}

Volume mount(const char *root, const char *type, const char *label = "") {
    return Volume{QString::fromUtf8(root), QString::fromUtf8(type), QString::fromUtf8(label)};
}

} // namespace

class DriveListTest : public QObject {
    Q_OBJECT

  private slots:
    void offersRootHomeAndTheVolumesThatHoldFiles_data() {
        QTest::addColumn<QList<Volume>>("mounted");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("expected");

        // In a chroot the kernel shows only the mounts made inside it.
        QTest::newRow("chroot") << QList<Volume>{mount("/proc", "proc"), mount("/sys", "sysfs"),
                                                 mount("/dev", "devtmpfs"),
                                                 mount("/dev/pts", "devpts")}
                                << "/root" << QStringList{"/", "/root"};
        QTest::newRow("no mount table at all")
            << QList<Volume>{} << "/home/ann" << QStringList{"/", "/home/ann"};
        QTest::newRow("desktop") << QList<Volume>{mount("/", "ext4"),
                                                  mount("/sys", "sysfs"),
                                                  mount("/proc", "proc"),
                                                  mount("/dev", "devtmpfs"),
                                                  mount("/run", "tmpfs"),
                                                  mount("/boot", "ext4"),
                                                  mount("/boot/efi", "vfat"),
                                                  mount("/run/user/1000", "tmpfs"),
                                                  mount("/run/lock", "tmpfs"),
                                                  mount("/dev/shm", "tmpfs"),
                                                  mount("/sys/fs/cgroup", "cgroup2"),
                                                  mount("/sys/kernel/debug", "debugfs"),
                                                  mount("/proc/sys/fs/binfmt_misc", "autofs"),
                                                  mount("/home", "ext4"),
                                                  mount("/tmp", "tmpfs"),
                                                  mount("/media/ann/USB", "vfat", "USB"),
                                                  mount("/run/media/ann/DISK", "ext4", "DISK"),
                                                  mount("/run/user/1000/doc", "fuse.portal")}
                                 << "/home/ann"
                                 << QStringList{"/",
                                                "/home/ann",
                                                "/boot",
                                                "/boot/efi",
                                                "/home",
                                                "/tmp",
                                                "/media/ann/USB [USB]",
                                                "/run/media/ann/DISK [DISK]"};
        QTest::newRow("container") << QList<Volume>{mount("/", "overlay"),
                                                    mount("/proc", "proc"),
                                                    mount("/dev", "tmpfs"),
                                                    mount("/dev/pts", "devpts"),
                                                    mount("/dev/mqueue", "mqueue"),
                                                    mount("/sys", "sysfs"),
                                                    mount("/sys/fs/cgroup", "cgroup"),
                                                    mount("/etc/hosts", "ext4"),
                                                    mount("/dev/shm", "tmpfs"),
                                                    mount("/proc/bus", "proc"),
                                                    mount("/work", "ext4")}
                                   << "/root" << QStringList{"/", "/root", "/etc/hosts", "/work"};
        QTest::newRow("images and name spaces on a server")
            << QList<Volume>{mount("/", "xfs"),
                             mount("/var/lib/docker/overlay2/3f1c/merged", "overlay"),
                             mount("/snap/core22/1380", "squashfs"),
                             mount("/run/docker/netns/ab12", "nsfs"),
                             mount("/var/lib/nfs/rpc_pipefs", "rpc_pipefs"),
                             mount("/mnt/data", "xfs"),
                             mount("/srv/share", "nfs4")}
            << "/home/bob" << QStringList{"/", "/home/bob", "/mnt/data", "/srv/share"};
        QTest::newRow("root and home keep their labels")
            << QList<Volume>{mount("/home/ann", "ext4", "Home"), mount("/", "btrfs", "System")}
            << "/home/ann" << QStringList{"/ [System]", "/home/ann [Home]"};
        QTest::newRow("home written with a slash at the end")
            << QList<Volume>{mount("/home/ann", "ext4")} << "/home/ann/"
            << QStringList{"/", "/home/ann"};
        QTest::newRow("home is the root")
            << QList<Volume>{mount("/", "ext4")} << "/" << QStringList{"/"};
        QTest::newRow("each root once")
            << QList<Volume>{mount("/", "ext4"), mount("/srv", "ext4", "A"),
                             mount("/srv", "ext4", "B"), mount("/", "ext4")}
            << "/root" << QStringList{"/", "/root", "/srv [A]"};
        QTest::newRow("a name that only starts like a system folder")
            << QList<Volume>{mount("/devices", "ext4"), mount("/system", "ext4"),
                             mount("/runner", "tmpfs")}
            << "/root" << QStringList{"/", "/root", "/devices", "/system", "/runner"};
    }
    void offersRootHomeAndTheVolumesThatHoldFiles() {
        QFETCH(QList<Volume>, mounted);
        QFETCH(QString, home);
        QFETCH(QStringList, expected);
        QCOMPARE(shown(drives::offered(mounted, home)), expected);
    }

    // Windows' drive list: the drive letters only, each once, in the order of the letters.
    void offersWindowsDriveLetters_data() {
        QTest::addColumn<QList<Volume>>("mounted");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("letters in order, a drive without a disk too")
            << QList<Volume>{mount("D:/", "NTFS", "Data"), mount("C:/", "NTFS", "System"),
                             mount("A:/", "")}
            << QStringList{"A:/", "C:/ [System]", "D:/ [Data]"};
        QTest::newRow("folders and shares are no drives; each letter once")
            << QList<Volume>{mount("C:/", "NTFS"), mount("C:/mnt/disk", "NTFS"),
                             mount("//server/share/", "SMB"), mount("c:/", "NTFS", "Again"),
                             mount("/", "ext4")}
            << QStringList{"C:/"};
        QTest::newRow("nothing mounted") << QList<Volume>{} << QStringList{};
    }
    void offersWindowsDriveLetters() {
        QFETCH(QList<Volume>, mounted);
        QFETCH(QStringList, expected);
        QCOMPARE(shown(drives::offeredDrives(mounted)), expected);
    }

#ifdef Q_OS_WIN
    void systemDriveIsAmongTheMounted() {
        QStringList roots;
        for (const Volume &volume : drives::mountedVolumes())
            roots << volume.root;
        qInfo() << "drives:" << roots;
        QVERIFY2(roots.contains(QDir::rootPath(), Qt::CaseInsensitive),
                 qPrintable(roots.join(' ')));
    }
#endif

    void installedVolumesStandForTheSystems() {
        const QList<Volume> made = {mount("/", "ext4"), mount("/mnt/x", "vfat", "X")};
        drives::installMountedVolumes(made);
        QCOMPARE(drives::mountedVolumes(), made);
        drives::installMountedVolumes(std::nullopt);
        QVERIFY(drives::mountedVolumes() != made);
    }
};

QTEST_GUILESS_MAIN(DriveListTest)
#include "tst_ui_dialogs_drives.moc"
