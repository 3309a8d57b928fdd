#include "ui/dialogs/pathkind.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace pathkind {

// stat() follows links as opening would, and tells a loop of links (ELOOP) from a link to
// nothing; a missing name, or a file taken for a folder on the way, is nothing at all.
QString describe(const QString &path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return errno == ELOOP ? QStringLiteral("ссылки образуют петлю") : QString();
    }
    switch (status.st_mode & S_IFMT) {
    case S_IFDIR:
        return QStringLiteral("это папка");
    case S_IFIFO:
        return QStringLiteral("это именованный канал");
    case S_IFCHR:
    case S_IFBLK:
        return QStringLiteral("это устройство");
    case S_IFSOCK:
        return QStringLiteral("это сокет");
    default:
        return QString();
    }
}

QString reasonItIsNoFile(const QString &path) {
    const QString kind = describe(path);
    return kind.isEmpty() ? QStringLiteral("Файл не найден:\n") + path
                          : path + QStringLiteral(" — ") + kind;
}

} // namespace pathkind
