#include "ui/document/savequestion.h"

#include "ui/platform/prompts.h"

namespace document {

bool offerToSave(QWidget *parent, const QString &question, const QString &title,
                 const SaveCommand &save) {
    const platform::Answer answer = platform::message(
        parent, question, title, platform::Buttons::YesNoCancel, platform::Icon::Information);
    if (answer == platform::Answer::Cancel)
        return false;
    if (answer != platform::Answer::Yes)
        return true;
    const SaveOutcome outcome = save();
    return outcome == SaveOutcome::Saved || outcome == SaveOutcome::Declined;
}

bool confirmExit(QWidget *parent, const QString &title, bool modified, const SaveCommand &save) {
    if (platform::message(parent, QStringLiteral("Вы действительно хотите выйти?"), title,
                          platform::Buttons::YesNo,
                          platform::Icon::Information) != platform::Answer::Yes)
        return false;
    return !modified ||
           offerToSave(parent, QStringLiteral("Сохранить изменения в таблице?"), title, save);
}

} // namespace document
