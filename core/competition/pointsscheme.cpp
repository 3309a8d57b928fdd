#include "core/competition/pointsscheme.h"

#include <QRegularExpression>

namespace soccer {

QString pointsSchemeProblem(const PointsScheme &points) {
    if (points.loss > points.draw)
        return QStringLiteral("Поражение не может стоить больше очков, чем ничья.");
    if (points.draw > points.win)
        return QStringLiteral("Ничья не может стоить больше очков, чем победа.");
    return {};
}

QString pointsSchemeKey(const PointsScheme &points) {
    return QStringLiteral("%1-%2-%3").arg(points.win).arg(points.draw).arg(points.loss);
}

QString pointsSchemeName(const PointsScheme &points) {
    return QStringLiteral("%1–%2–%3").arg(points.win).arg(points.draw).arg(points.loss);
}

std::optional<PointsScheme> pointsSchemeFromKey(QStringView key) {
    QString text = key.toString();
    text.replace(QChar(0x2013), QLatin1Char('-'));
    // A minus sign belongs to a number, so the numbers are split at the dashes between them.
    static const QRegularExpression shape(
        QStringLiteral("^(-?\\d{1,6})-(-?\\d{1,6})-(-?\\d{1,6})$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return PointsScheme{match.captured(1).toInt(), match.captured(2).toInt(),
                        match.captured(3).toInt()};
}

} // namespace soccer
