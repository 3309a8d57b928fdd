#pragma once

#include "core/files/fileset.h"
#include "core/league/errors.h"
#include "core/league/league.h"
#include "core/league/score.h"
#include "core/recovery/recoverycopy.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <array>
#include <functional>
#include <stdexcept>

// The fixed league of the classic edition: the core's league of 16 teams played as one round,
// so only its first cross-table is used and of each team's statistics only the five counters
// kept in the three data files of the league's folder; goals are counted, but kept nowhere.
namespace classic {

constexpr int kTeams = 16;
// The one cross-table of the league among the core's halves.
constexpr int kHalf = 1;

// The counters of one team in the order of the screen columns and of file.dat's lines:
// played, losses, draws, wins, points.
constexpr int kCounterCount = 5;
std::array<double, kCounterCount> inScreenOrder(const soccer::TeamStats &stats);
soccer::TeamStats fromScreenOrder(const std::array<double, kCounterCount> &values);

// A cell in which two different teams meet.
bool isScoreCell(int r, int c);

// The data side of a click on score cell (r, c) answered with `answer`: an answer holding a
// blank is a score that replaces the pair's old result, as in the main edition; anything else
// changes nothing, also the empty answer, since this edition deletes results only by clearing
// the whole table.
soccer::ScoreChange enterScore(soccer::CrossTable &table, int r, int c, const QString &answer);

// The data files, named as they lie in the program's folder, in the order they are read.
inline const QString kCellsFile = QStringLiteral("s.dat");
inline const QString kNamesFile = QStringLiteral("komand.dat");
inline const QString kCountersFile = QStringLiteral("file.dat");
// Lies beside them only while a save replaces them, or after a kill in the middle of one.
inline const QString kJournalFile = QStringLiteral("soccer-classic.journal");

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
QByteArray cellsFileBytes(const soccer::League &league);
QByteArray namesFileBytes(const soccer::League &league);
QByteArray countersFileBytes(const soccer::League &league);

// Reads s.dat, komand.dat and file.dat from `folder`, in that order, into a league of 16
// teams. Throws DataFileError for the first file that is missing, unreadable or too short;
// `league` then holds what was read.
void loadLeague(soccer::League &league, const QDir &folder);

// The bytes of a data file by its name: as it lies in the folder, or as a recovery copy holds
// it. Throws CoreError when there are none.
using DataFileSource = std::function<QByteArray(const QString &fileName)>;
void loadLeague(soccer::League &league, const DataFileSource &bytesOf);

// The recovery copy of the league: the three data files of `folder` as a save would write them
// now, each with the file as it lay when last read or written (dataFilesAsTheyLie, in the
// order s.dat, komand.dat, file.dat). The copy's owner is the folder.
std::vector<soccer::FileFingerprint> dataFilesAsTheyLie(const QDir &folder);
soccer::RecoveryRecord recoveryRecord(const soccer::League &league, const QDir &folder,
                                      const std::vector<soccer::FileFingerprint> &loadedFrom);
DataFileSource recoveredFiles(const soccer::RecoveryRecord &record);

// Saves file.dat, s.dat and komand.dat into `folder` as one, even through a kill: the three
// old files are replaced only when all three new ones are completely written and a journal
// says so, so that counters and results never come from different saves. Throws
// DataFileError for the file that failed; the files on disk are then the old ones.
void saveLeague(const soccer::League &league, const QDir &folder);

// Completes, or takes back, a save of `folder` that a kill interrupted; to be called before
// the files are read. Throws DataFileError (the journal's) when it cannot be completed.
soccer::FileSet::Unfinished finishUnfinishedSave(const QDir &folder);

} // namespace classic
