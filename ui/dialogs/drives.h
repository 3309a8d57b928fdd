#pragma once

#include <QList>
#include <QString>
#include <optional>

// The places the open-table dialog's drive list offers. Which mounts are worth offering is
// decided on plain data, so that it can be checked without the mounts of the machine.
namespace drives {

struct Volume {
    QString root;   // the folder the volume is mounted on, e.g. "/media/usb"
    QString fsType; // e.g. "ext4", "vfat", "proc"
    QString label;  // the volume's own name, often empty

    bool operator==(const Volume &) const = default;
};

// The root folder "/" first, then the home folder (when it is not "/"), then every other
// volume that can hold the user's files, each root once, in the order given. Left out: the
// kernel's own filesystems (proc, sysfs, cgroup, devpts and the like), whatever is mounted
// under /proc, /sys, /dev or /run (but for removable media under /run/media), and the layers
// of container and package images (overlay away from "/", squashfs).
QList<Volume> offered(const QList<Volume> &mounted, const QString &homeFolder);

// Windows' drives: every volume whose root is a drive letter ("C:/"), each once, in the order
// of the letters; folders a volume is mounted on are reached through their drive.
QList<Volume> offeredDrives(const QList<Volume> &mounted);

// What the drive list of this system offers: offeredDrives on Windows, offered elsewhere.
QList<Volume> offeredHere(const QList<Volume> &mounted, const QString &homeFolder);

// The volumes the system reports as mounted, or the list a test put in their place. On
// Windows every drive letter in use, a drive without a disk too (its file system empty).
QList<Volume> mountedVolumes();
// Replaces what mountedVolumes() reports; nothing restores the system's list.
void installMountedVolumes(const std::optional<QList<Volume>> &volumes);

} // namespace drives
