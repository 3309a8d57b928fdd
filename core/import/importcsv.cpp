#include "core/import/importcsv.h"

#include "core/import/csvscanner.h"
#include "core/publish/formulaguard.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>

namespace soccer {

namespace {

constexpr int kMatchFields = 4;

// Where the values of a match stand in a line; -1 for a column the file does not have.
struct Columns {
    int home = -1;
    int away = -1;
    int homeGoals = -1;
    int awayGoals = -1;
    int score = -1; // one column with both goals, "2-1"
    int round = -1;
    int date = -1;

    bool complete() const {
        return home >= 0 && away >= 0 && ((homeGoals >= 0 && awayGoals >= 0) || score >= 0);
    }
    bool anyTeam() const { return home >= 0 || away >= 0; }
    int needed() const {
        return 1 + std::max({home, away, homeGoals, awayGoals, score, round, date});
    }
};

enum class Column { Home, Away, HomeGoals, AwayGoals, Score, Round, Date };

// Header names, lower case, without blanks, underscores, hyphens and full stops.
const QHash<QString, Column> &columnNames() {
    static const QHash<QString, Column> names = [] {
        QHash<QString, Column> table;
        const auto add = [&table](Column column, std::initializer_list<const char *> spellings) {
            for (const char *spelling : spellings)
                table.insert(QString::fromUtf8(spelling), column);
        };
        add(Column::Home, {"home", "hometeam", "team1", "хозяева", "хозяин", "команда1", "дома"});
        add(Column::Away, {"away", "awayteam", "team2", "гости", "гость", "команда2"});
        add(Column::HomeGoals, {"homegoals", "fthg", "hg", "score1", "goals1", "homescore",
                                "голыхозяев", "голы1", "мячихозяев"});
        add(Column::AwayGoals, {"awaygoals", "ftag", "ag", "score2", "goals2", "awayscore",
                                "голыгостей", "голы2", "мячигостей"});
        add(Column::Score, {"ft", "score", "result", "fulltime", "счёт", "счет", "результат"});
        add(Column::Round, {"round", "matchday", "тур", "раунд"});
        add(Column::Date, {"date", "дата"});
        return table;
    }();
    return names;
}

QString headerKey(const QString &name) {
    QString key = name.toCaseFolded();
    key.removeIf([](QChar ch) {
        return ch == u' ' || ch == u'_' || ch == u'-' || ch == u'.' || ch == u'\t';
    });
    return key;
}

int &columnSlot(Columns &columns, Column column) {
    switch (column) {
    case Column::Home:
        return columns.home;
    case Column::Away:
        return columns.away;
    case Column::HomeGoals:
        return columns.homeGoals;
    case Column::AwayGoals:
        return columns.awayGoals;
    case Column::Score:
        return columns.score;
    case Column::Round:
        return columns.round;
    case Column::Date:
        break;
    }
    return columns.date;
}

// The columns a header line names; the first column of a name counts.
Columns namedColumns(const CsvRecord &record) {
    Columns columns;
    for (int i = 0; i < int(record.fields.size()); ++i) {
        const auto found = columnNames().constFind(headerKey(record.fields[std::size_t(i)]));
        if (found == columnNames().constEnd())
            continue;
        int &slot = columnSlot(columns, found.value());
        if (slot < 0)
            slot = i;
    }
    return columns;
}

QString missingColumnsText(const Columns &columns) {
    QStringList missing;
    if (columns.home < 0)
        missing.append(QStringLiteral("«хозяева» (home)"));
    if (columns.away < 0)
        missing.append(QStringLiteral("«гости» (away)"));
    if (columns.score < 0 && (columns.homeGoals < 0 || columns.awayGoals < 0))
        missing.append(QStringLiteral("«голы хозяев» и «голы гостей» (home_goals, away_goals) "
                                      "или «счёт» (score)"));
    return missing.join(QStringLiteral(", "));
}

// The count of fields that a line read by position has: trailing empty fields beyond the
// four of a match are what a separator at the end of the line leaves.
int positionalFieldCount(const CsvRecord &record) {
    int count = std::min(record.fieldCount, kKeptCsvFields);
    while (count > kMatchFields && record.fields[std::size_t(count - 1)].isEmpty())
        --count;
    return count;
}

bool isWholeNumber(const QString &text) {
    int ignored = 0;
    return readGoals(text, ignored);
}

// The fields of one line that make a match, before they are checked.
struct MatchFields {
    QString home;
    QString away;
    QString homeGoals;
    QString awayGoals;
    QString score;
    bool combined = false;
    QString round;
    QString date;
};

MatchFields positionalFields(const CsvRecord &record, int count) {
    MatchFields match;
    const int first = count - kMatchFields;
    match.home = record.field(first);
    match.away = record.field(first + 1);
    match.homeGoals = record.field(first + 2);
    match.awayGoals = record.field(first + 3);
    if (first >= 2) {
        match.round = record.field(0);
        match.date = record.field(1);
    } else if (first == 1) {
        (isWholeNumber(record.field(0)) ? match.round : match.date) = record.field(0);
    }
    return match;
}

MatchFields namedFields(const CsvRecord &record, const Columns &columns) {
    MatchFields match;
    match.home = record.field(columns.home);
    match.away = record.field(columns.away);
    match.combined = columns.score >= 0 && (columns.homeGoals < 0 || columns.awayGoals < 0);
    if (match.combined) {
        match.score = record.field(columns.score);
    } else {
        match.homeGoals = record.field(columns.homeGoals);
        match.awayGoals = record.field(columns.awayGoals);
    }
    match.round = record.field(columns.round);
    match.date = record.field(columns.date);
    return match;
}

// "2-1", "2:1", "2 – 1": the text before and after the first dash or colon.
bool splitCombinedScore(const QString &score, QString &home, QString &away) {
    static const QString marks = QStringLiteral("-:–—");
    for (qsizetype i = 0; i < score.size(); ++i) {
        if (marks.contains(score[i])) {
            home = score.left(i);
            away = score.mid(i + 1);
            return true;
        }
    }
    return false;
}

class CsvMatchReader {
  public:
    CsvMatchReader(QStringView text, ImportedFile &into)
        : text_(text), into_(into), separator_(detectCsvSeparator(text)) {
        into_.source.format = ImportFormat::Csv;
        into_.source.separator = separator_;
    }

    void read() {
        CsvScanner scanner(text_, separator_);
        CsvRecord record;
        bool first = true;
        int lines = 0;
        while (scanner.next(record)) {
            if (record.blank())
                continue;
            if (first) {
                first = false;
                if (takeHeader(record))
                    continue;
                if (!into_.usable())
                    return;
            }
            if (++lines > kMaxImportLines) {
                refuseLongFile();
                return;
            }
            readRecord(record);
        }
    }

  private:
    // True when the line is a header; a header that names some columns but not enough makes
    // the file unusable.
    bool takeHeader(const CsvRecord &record) {
        const Columns named = namedColumns(record);
        if (named.complete()) {
            columns_ = named;
            into_.source.header = true;
            return true;
        }
        // Teams called like columns ("Команда 1", "Team 2") with a score after them are a
        // match, not a header without its goal columns.
        if (readsAsMatch(record))
            return false;
        if (named.anyTeam()) {
            into_.problem = QStringLiteral("В строке заголовка (строка %1) нет столбцов: %2")
                                .arg(record.line)
                                .arg(missingColumnsText(named));
            return false;
        }
        const int count = positionalFieldCount(record);
        if (count < kMatchFields)
            return false;
        const MatchFields fields = positionalFields(record, count);
        int ignored = 0;
        const bool header = !fields.homeGoals.isEmpty() && !fields.awayGoals.isEmpty() &&
                            !readGoals(fields.homeGoals, ignored) &&
                            !readGoals(fields.awayGoals, ignored);
        into_.source.header = header;
        return header;
    }

    static bool readsAsMatch(const CsvRecord &record) {
        const int count = positionalFieldCount(record);
        if (count < kMatchFields)
            return false;
        const MatchFields fields = positionalFields(record, count);
        return isWholeNumber(fields.homeGoals) && isWholeNumber(fields.awayGoals);
    }

    void refuseLongFile() {
        into_.problem = QStringLiteral("В файле больше %1 строк с матчами: это не один сезон")
                            .arg(kMaxImportLines);
        into_.matches.clear();
        into_.problems.clear();
    }

    void refuse(int line, const QString &reason) { into_.problems.push_back({line, reason}); }

    bool fieldsOf(const CsvRecord &record, MatchFields &fields) {
        if (columns_.complete()) {
            if (record.fieldCount < columns_.needed()) {
                refuse(record.line, QStringLiteral("в строке %1 полей, а по заголовку нужно %2")
                                        .arg(record.fieldCount)
                                        .arg(columns_.needed()));
                return false;
            }
            fields = namedFields(record, columns_);
            return true;
        }
        if (record.fieldCount > kKeptCsvFields) {
            refuse(record.line, QStringLiteral("в строке больше %1 полей").arg(kKeptCsvFields));
            return false;
        }
        const int count = positionalFieldCount(record);
        if (count < kMatchFields) {
            refuse(record.line, QStringLiteral("в строке меньше четырёх полей (хозяева, гости, "
                                               "голы хозяев, голы гостей)"));
            return false;
        }
        fields = positionalFields(record, count);
        return true;
    }

    // False when the line has no score yet (counted) or a score that is not one (refused).
    bool goalsOf(const CsvRecord &record, MatchFields &fields, ImportedMatch &match) {
        match.technical = fields.combined ? technicalOf(fields.score, {})
                                          : technicalOf(fields.homeGoals, fields.awayGoals);
        if (!match.technical.isEmpty())
            return true;
        if (fields.combined) {
            if (fields.score.isEmpty())
                return skipWithoutScore();
            if (!splitCombinedScore(fields.score, fields.homeGoals, fields.awayGoals)) {
                refuse(record.line, notANumberReason(fields.score));
                return false;
            }
        } else if (fields.homeGoals.isEmpty() && fields.awayGoals.isEmpty()) {
            return skipWithoutScore();
        }
        if (!readGoals(fields.homeGoals, match.homeGoals) ||
            !readGoals(fields.awayGoals, match.awayGoals)) {
            const QString score = fields.combined
                                      ? fields.score
                                      : fields.homeGoals + QLatin1Char(':') + fields.awayGoals;
            refuse(record.line, notANumberReason(score));
            return false;
        }
        return true;
    }

    bool skipWithoutScore() {
        ++into_.withoutScore;
        return false;
    }

    void readRecord(const CsvRecord &record) {
        if (record.unclosedQuote) {
            refuse(record.line, QStringLiteral("кавычка не закрыта до конца файла"));
            return;
        }
        MatchFields fields;
        if (!fieldsOf(record, fields))
            return;
        if (fields.home.isEmpty() || fields.away.isEmpty()) {
            refuse(record.line, QStringLiteral("не указана команда"));
            return;
        }
        ImportedMatch match;
        if (!goalsOf(record, fields, match))
            return;
        match.line = record.line;
        match.home = shared(formulaUnguarded(fields.home));
        match.away = shared(formulaUnguarded(fields.away));
        match.round = fields.round;
        match.date = fields.date;
        into_.matches.push_back(std::move(match));
    }

    // Names repeat on every line: one copy of each keeps a large file small in memory.
    QString shared(const QString &name) {
        const auto found = names_.constFind(name);
        if (found != names_.constEnd())
            return *found;
        names_.insert(name);
        return name;
    }

    QStringView text_;
    ImportedFile &into_;
    QChar separator_;
    Columns columns_;
    QSet<QString> names_;
};

} // namespace

void readCsvMatches(QStringView text, ImportedFile &into) {
    CsvMatchReader(text, into).read();
}

} // namespace soccer
