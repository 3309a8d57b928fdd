#include "core/import/importjson.h"

#include "core/import/jsonlines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <functional>

namespace soccer {

namespace {

constexpr double kMaxGoals = 999999;

QString teamName(const QJsonValue &team) {
    if (team.isObject())
        return team.toObject().value(QLatin1String("name")).toString().trimmed();
    return team.toString().trimmed();
}

bool goalsOf(const QJsonValue &value, int &goals) {
    if (value.isString())
        return readGoals(value.toString(), goals);
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > kMaxGoals || std::floor(number) != number)
        return false;
    goals = int(number);
    return true;
}

QString jsonText(const QJsonValue &value) {
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.isBool() ? QString::fromLatin1(value.toBool() ? "true" : "false")
                          : QStringLiteral("null");
}

bool absent(const QJsonValue &value) {
    return value.isUndefined() || value.isNull() || (value.isArray() && value.toArray().isEmpty());
}

enum class ScoreRead { Read, Missing, NotANumber };

class JsonMatchReader {
  public:
    JsonMatchReader(const QString &text, ImportedFile &into) : utf8_(text.toUtf8()), into_(into) {
        into_.source.format = ImportFormat::Json;
    }

    void read() {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(utf8_, &error);
        if (error.error != QJsonParseError::NoError) {
            into_.problem = QStringLiteral("Файл не является правильным JSON: %1 (строка %2)")
                                .arg(error.errorString())
                                .arg(lineAtOffset(utf8_, error.offset));
            return;
        }
        const QJsonObject root = document.object();
        const QJsonValue matches = root.value(QLatin1String("matches"));
        const QJsonValue rounds = root.value(QLatin1String("rounds"));
        if (!matches.isArray() && !rounds.isArray()) {
            into_.problem = QStringLiteral("В файле JSON нет списка матчей (matches или "
                                           "rounds[].matches)");
            return;
        }
        if (entryCount(matches, rounds) > kMaxImportLines) {
            into_.problem =
                QStringLiteral("В файле больше %1 матчей: это не один сезон").arg(kMaxImportLines);
            return;
        }
        lines_ = locateJsonMatches(utf8_);
        readList(matches.toArray(), QString(),
                 [this](std::size_t index) { return lines_.rootLine(index); });
        readRounds(rounds.toArray());
    }

  private:
    static qsizetype entryCount(const QJsonValue &matches, const QJsonValue &rounds) {
        qsizetype count = matches.toArray().size();
        for (const QJsonValue round : rounds.toArray())
            count += round.toObject().value(QLatin1String("matches")).toArray().size();
        return count;
    }

    void readRounds(const QJsonArray &rounds) {
        for (qsizetype r = 0; r < rounds.size(); ++r) {
            const QJsonObject round = rounds.at(r).toObject();
            const QString name = round.value(QLatin1String("name")).toString();
            readList(
                round.value(QLatin1String("matches")).toArray(), name,
                [this, r](std::size_t index) { return lines_.roundLine(std::size_t(r), index); });
        }
    }

    void readList(const QJsonArray &list, const QString &roundName,
                  const std::function<int(std::size_t)> &lineOf) {
        for (qsizetype i = 0; i < list.size(); ++i)
            readMatch(list.at(i), lineOf(std::size_t(i)), roundName);
    }

    void refuse(int line, const QString &reason) { into_.problems.push_back({line, reason}); }

    void readMatch(const QJsonValue &value, int line, const QString &roundName) {
        if (!value.isObject()) {
            refuse(line, QStringLiteral("матч записан не объектом JSON"));
            return;
        }
        const QJsonObject object = value.toObject();
        ImportedMatch match;
        match.line = line;
        match.home = teamName(object.value(QLatin1String("team1")));
        match.away = teamName(object.value(QLatin1String("team2")));
        if (match.home.isEmpty() || match.away.isEmpty()) {
            refuse(line, QStringLiteral("не указана команда"));
            return;
        }
        switch (readScore(object, line, match)) {
        case ScoreRead::Missing:
            ++into_.withoutScore;
            return;
        case ScoreRead::NotANumber:
            return;
        case ScoreRead::Read:
            break;
        }
        const QJsonValue round = object.value(QLatin1String("round"));
        match.round = round.isUndefined() ? roundName : jsonText(round);
        match.date = object.value(QLatin1String("date")).toString();
        into_.matches.push_back(std::move(match));
    }

    // score.ft [a, b]; older files have score1 and score2.
    ScoreRead readScore(const QJsonObject &object, int line, ImportedMatch &match) {
        const QJsonValue ft =
            object.value(QLatin1String("score")).toObject().value(QLatin1String("ft"));
        if (!absent(ft)) {
            const QJsonArray pair = ft.toArray();
            if (pair.size() == 2 && goalsOf(pair.at(0), match.homeGoals) &&
                goalsOf(pair.at(1), match.awayGoals))
                return ScoreRead::Read;
            refuse(line, notANumberReason(jsonText(ft)));
            return ScoreRead::NotANumber;
        }
        const QJsonValue first = object.value(QLatin1String("score1"));
        const QJsonValue second = object.value(QLatin1String("score2"));
        if (absent(first) && absent(second))
            return ScoreRead::Missing;
        if (goalsOf(first, match.homeGoals) && goalsOf(second, match.awayGoals))
            return ScoreRead::Read;
        refuse(line, notANumberReason(jsonText(first) + QLatin1Char(':') + jsonText(second)));
        return ScoreRead::NotANumber;
    }

    QByteArray utf8_;
    ImportedFile &into_;
    JsonMatchLines lines_;
};

} // namespace

void readJsonMatches(const QString &text, ImportedFile &into) {
    JsonMatchReader(text, into).read();
}

} // namespace soccer
