#include "ui/platform/confirmreplace.h"

#include "ui/platform/prompts.h"

#include <QFileInfo>

namespace platform {

bool confirmReplace(QWidget *parent, const QString &path) {
    // A folder of that name is no season to lose; writing there fails with its own message.
    const QFileInfo existing(path);
    if (!existing.exists() || existing.isDir())
        return true;
    const QString question = QStringLiteral("Файл %1 уже существует. Заменить его?").arg(path);
    return message(parent, question, QStringLiteral("Тарвел"), Buttons::YesNo, Icon::Information) ==
           Answer::Yes;
}

} // namespace platform
