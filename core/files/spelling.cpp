#include "core/files/spelling.h"

#include "core/files/codepage.h"

#include <QList>

namespace soccer {

namespace {

bool isCombiningMark(char32_t ch) {
    switch (QChar::category(ch)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

QString storable(char32_t ch) {
    const QString text = QString::fromUcs4(&ch, 1);
    return fitsTableCodePage(text) ? text : QString();
}

// What is left of one character that the code page does not hold: its base letters without
// their marks, and a question mark for whatever has no storable form.
QString nearestOf(char32_t ch) {
    QString spelled;
    for (char32_t part :
         QString::fromUcs4(&ch, 1).normalized(QString::NormalizationForm_D).toUcs4()) {
        if (isCombiningMark(part))
            continue;
        const QString kept = storable(part);
        spelled += kept.isEmpty() ? QStringLiteral("?") : kept;
    }
    return spelled;
}

} // namespace

QString nearestStorableSpelling(const QString &text) {
    if (fitsTableCodePage(text))
        return text;
    // Composed first, so that a letter typed as base and mark, such as "и" with a breve, comes
    // back as the "й" that the code page holds.
    QString spelled;
    for (char32_t ch : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        const QString kept = storable(ch);
        spelled += kept.isEmpty() ? nearestOf(ch) : kept;
    }
    return spelled;
}

} // namespace soccer
