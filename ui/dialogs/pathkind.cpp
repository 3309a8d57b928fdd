#include "ui/dialogs/pathkind.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace pathkind {

// stat() follows links as opening would, and tells a loop of links (ELOOP) from a link to
// nothing; a folder on the way that is a file or is missing makes the name lead nowhere.
Kind of(const QString &path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return errno == ELOOP ? Kind::LinkLoop : Kind::Missing;
    }
    if (S_ISREG(status.st_mode)) {
        return Kind::File;
    }
    if (S_ISDIR(status.st_mode)) {
        return Kind::Folder;
    }
    if (S_ISFIFO(status.st_mode)) {
        return Kind::Pipe;
    }
    if (S_ISSOCK(status.st_mode)) {
        return Kind::Socket;
    }
    return Kind::Device; // character and block devices
}

QString reasonItIsNoFile(const QString &path, Kind kind) {
    switch (kind) {
    case Kind::Folder:
        return path + QStringLiteral(" — это папка");
    case Kind::Pipe:
        return path + QStringLiteral(" — это именованный канал");
    case Kind::Device:
        return path + QStringLiteral(" — это устройство");
    case Kind::Socket:
        return path + QStringLiteral(" — это сокет");
    case Kind::LinkLoop:
        return path + QStringLiteral(" — это зацикленная ссылка");
    case Kind::Missing:
    case Kind::File:
        break;
    }
    return QStringLiteral("Файл не найден:\n") + path;
}

} // namespace pathkind
