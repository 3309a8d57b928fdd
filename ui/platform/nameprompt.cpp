#include "ui/platform/nameprompt.h"

#include "core/files/spelling.h"
#include "core/league/league.h"
#include "ui/platform/prompts.h"

namespace platform {

namespace {

// What the prompt offers after a refusal: the answer itself, mended where a rule can mend it.
QString offerAfterRefusal(const QString &answer, soccer::TextProblem problem) {
    return problem == soccer::TextProblem::NotInCodePage ? soccer::nearestStorableSpelling(answer)
                                                         : answer;
}

} // namespace

std::optional<QString> askTeamName(QWidget *parent, const QString &question,
                                   const QString &current) {
    const QString title = QStringLiteral("Тарвел");
    QString offered = current;
    for (;;) {
        const std::optional<QString> answer = input(parent, question, title, offered);
        if (!answer)
            return std::nullopt;
        const soccer::TextProblem problem = soccer::tableTextProblem(*answer);
        if (problem == soccer::TextProblem::None)
            return answer;
        message(parent, soccer::tableTextProblemMessage(problem), title, Buttons::Ok,
                Icon::Critical);
        offered = offerAfterRefusal(*answer, problem);
    }
}

} // namespace platform
