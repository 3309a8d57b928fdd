#include "core/importnames.h"

#include "core/valuerules.h"

namespace soccer::importnames {

namespace {

// Calls `visit` with each character of the text (one code point: one or two UTF-16 units)
// and its code.
template <typename Visit> void forEachCharacter(const QString &text, Visit visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        visit(QStringView(text).sliced(i, pair ? 2 : 1), code);
        i += pair ? 1 : 0;
    }
}

bool isCombiningMark(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// The character without its marks; the character itself when what is left still does not
// fit the code page.
QString withoutMarks(QStringView character) {
    const QString decomposed = character.toString().normalized(QString::NormalizationForm_D);
    QString bare;
    forEachCharacter(decomposed, [&bare](QStringView part, char32_t code) {
        if (!isCombiningMark(code))
            bare += part;
    });
    return !bare.isEmpty() && fitsTableCodePage(bare) ? bare : character.toString();
}

} // namespace

QString nearestStorableSpelling(const QString &name) {
    if (fitsTableCodePage(name))
        return name;
    QString spelling;
    spelling.reserve(name.size());
    forEachCharacter(name, [&spelling](QStringView character, char32_t) {
        if (fitsTableCodePage(character.toString()))
            spelling += character;
        else
            spelling += withoutMarks(character);
    });
    return spelling;
}

} // namespace soccer::importnames

namespace soccer {

QString storedTeamName(const QString &name) {
    return importnames::nearestStorableSpelling(name.trimmed());
}

QString teamKey(const QString &name) {
    return storedTeamName(name).toCaseFolded();
}

bool hasDefaultNames(const League &league) {
    for (int t = 1; t <= league.teamCount; ++t) {
        if (league.teamNames[t].trimmed() != QString::number(t))
            return false;
    }
    return league.teamCount > 0;
}

} // namespace soccer
