#pragma once

#include "core/league/errors.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <array>
#include <stdexcept>

// The fixed league of the classic edition: 16 teams playing one round, one cross-table, five
// counters per team, kept in three data files in the program's folder.
namespace classic {

constexpr int kTeams = 16;
// Per-team arrays run 0..16; teams are numbered 1..16 and index 0 is not used.
constexpr int kTeamArraySize = kTeams + 1;

// The counters of one team, in the order of the screen columns and of file.dat's lines.
struct TeamCounters {
    double played = 0;
    double losses = 0;
    double draws = 0;
    double wins = 0;
    double points = 0;

    bool operator==(const TeamCounters &) const = default;
};
constexpr int kCounterCount = 5;
std::array<double, kCounterCount> inScreenOrder(const TeamCounters &counters);
TeamCounters fromScreenOrder(const std::array<double, kCounterCount> &values);

struct ClassicLeague {
    std::array<QString, kTeamArraySize> teamNames;
    // cells[r][c] is r's match against c, r's goals first; empty while no result is recorded.
    std::array<std::array<QString, kTeamArraySize>, kTeamArraySize> cells;
    std::array<TeamCounters, kTeamArraySize> counters;
    // Team numbers by place 1..16, rebuilt by every ranking.
    std::array<int, kTeamArraySize> standingsOrder{};
};

// A cell in which two different teams meet.
bool isScoreCell(int r, int c);

// Adds (sign +1) or takes back (sign -1) the result x:y of team r against team c.
void countResult(ClassicLeague &league, int r, int c, double x, double y, int sign);

// The data side of a click on score cell (r, c) answered with `answer`: an answer holding a
// blank is a score that replaces the pair's old result; anything else changes nothing, since
// this edition deletes results only by clearing the whole table.
enum class ScoreChange { None, Recorded };
ScoreChange enterScore(ClassicLeague &league, int r, int c, const QString &answer);

// Places the teams by points alone; equal points keep the lower team number first.
void rankByPoints(ClassicLeague &league);

// Empties every result and sets every counter to 0; the names stay.
void clearResults(ClassicLeague &league);

// The data files, named as they lie in the program's folder, in the order they are read.
inline const QString kCellsFile = QStringLiteral("s.dat");
inline const QString kNamesFile = QStringLiteral("komand.dat");
inline const QString kCountersFile = QStringLiteral("file.dat");

// A data file that could not be read or written, with the reason in core's error numbers.
// After a failed save, savedFilesUnchanged() tells whether all three files on disk still hold
// what they held before it.
class DataFileError : public std::runtime_error {
  public:
    DataFileError(const QString &fileName, const soccer::CoreError &cause,
                  bool savedFilesUnchanged = false);

    QString fileName() const { return fileName_; }
    int number() const { return number_; }
    QString detail() const { return detail_; }
    QString reason() const { return reason_; }
    bool savedFilesUnchanged() const { return savedFilesUnchanged_; }

  private:
    QString fileName_;
    int number_;
    QString detail_;
    QString reason_;
    bool savedFilesUnchanged_;
};

// The bytes of each data file (CP1251, CR LF, values in their print form).
QByteArray cellsFileBytes(const ClassicLeague &league);
QByteArray namesFileBytes(const ClassicLeague &league);
QByteArray countersFileBytes(const ClassicLeague &league);

// Reads s.dat, komand.dat and file.dat from `folder`, in that order. Throws DataFileError for
// the first file that is missing, unreadable or too short; `league` then holds what was read.
void loadLeague(ClassicLeague &league, const QDir &folder);

// Saves file.dat, s.dat and komand.dat into `folder` as one: the three old files are replaced
// only when all three new ones are completely written, so that counters and results never
// come from different saves. Throws DataFileError for the file that failed; the files on disk
// are then the old ones.
void saveLeague(const ClassicLeague &league, const QDir &folder);

} // namespace classic
