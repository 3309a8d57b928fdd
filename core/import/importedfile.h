#pragma once

#include "core/files/textencoding.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <vector>

// What the readers of result files (CSV and JSON) produce: the matches as the file states
// them, before any of them is matched to the table's teams.
namespace soccer {

enum class ImportFormat { Csv, Json };

// The largest table holds 9,702 matches; a file with far more match lines or entries is not
// one season, and refusing it keeps the memory of a read small.
constexpr int kMaxImportLines = 100000;

// How the file was read, for the report.
struct ImportSource {
    bool decoded = false; // false when the file was refused before its text was looked at
    ImportFormat format = ImportFormat::Csv;
    TextEncoding encoding = TextEncoding::Utf8;
    QChar separator = QLatin1Char(','); // CSV only
    bool header = false;                // CSV only: the first line names the columns
};

// One match with a score. Names are trimmed but otherwise as written.
struct ImportedMatch {
    int line = 0; // the file line the match starts on, from 1; 0 when it cannot be told
    QString home;
    QString away;
    int homeGoals = 0;
    int awayGoals = 0;
    QString technical; // "+:-", "-:+" or "-:-" for a technical result (no goals); else empty
    QString round;     // as written; may be empty
    QString date;  // as written; may be empty
};

// A line that cannot be used, and why, in words for the user.
struct LineProblem {
    int line = 0;
    QString reason;
};

struct ImportedFile {
    QString problem; // not empty: the file as a whole cannot be used, and why
    ImportSource source;
    std::vector<ImportedMatch> matches; // in file order
    std::vector<LineProblem> problems;  // in file order
    int withoutScore = 0;               // matches skipped because no score is given yet

    bool usable() const { return problem.isEmpty(); }
};

// The goals of one side as a file writes them: a whole number of 0 to 999999, blanks around
// allowed. Anything else (a sign, a fraction, a letter) is not a number of goals.
bool readGoals(QStringView text, int &goals);
// The technical result that a score written in a file stands for ("+:-", "+-", "+ : -";
// home first), as the table's cell writes it; empty for any other text.
QString technicalOf(QStringView home, QStringView away);

// "счёт «2:x» — не число"
QString notANumberReason(const QString &score);

} // namespace soccer
