#include "core/import/importedfile.h"

namespace soccer {

namespace {

constexpr qsizetype kMaxGoalDigits = 6;

} // namespace

bool readGoals(QStringView text, int &goals) {
    const QStringView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > kMaxGoalDigits)
        return false;
    int value = 0;
    for (QChar ch : digits) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
        value = value * 10 + (ch.unicode() - u'0');
    }
    goals = value;
    return true;
}

QString technicalOf(QStringView home, QStringView away) {
    QString marks;
    for (QStringView part : {home, away}) {
        for (QChar ch : part) {
            if (ch == QLatin1Char('+') || ch == QLatin1Char('-'))
                marks.append(ch);
            else if (!ch.isSpace() && ch != QLatin1Char(':'))
                return {};
        }
    }
    if (marks.size() != 2 || marks == QStringLiteral("++"))
        return {};
    return marks.left(1) + QLatin1Char(':') + marks.right(1);
}

QString notANumberReason(const QString &score) {
    return QStringLiteral("счёт «%1» — не число").arg(score);
}

} // namespace soccer
