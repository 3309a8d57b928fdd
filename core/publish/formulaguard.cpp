#include "core/publish/formulaguard.h"

namespace soccer {

namespace {

constexpr QChar kGuard = u'\'';

bool isFormulaStart(QChar ch) {
    return ch == u'=' || ch == u'+' || ch == u'-' || ch == u'@' || ch == u'\t' || ch == u'\r';
}

} // namespace

bool startsLikeFormula(const QString &text) {
    return !text.isEmpty() && isFormulaStart(text.front());
}

QString formulaGuarded(const QString &text) {
    return startsLikeFormula(text) ? kGuard + text : text;
}

QString formulaUnguarded(const QString &cell) {
    if (cell.size() >= 2 && cell.front() == kGuard && isFormulaStart(cell[1]))
        return cell.mid(1);
    return cell;
}

} // namespace soccer
