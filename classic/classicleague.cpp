#include "classic/classicleague.h"

#include "core/files/fileset.h"
#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/files/wholefile.h"

#include <QFileInfo>
#include <functional>

namespace classic {

std::array<double, kCounterCount> inScreenOrder(const soccer::TeamStats &stats) {
    return {stats.played, stats.losses, stats.draws, stats.wins, stats.points};
}

soccer::TeamStats fromScreenOrder(const std::array<double, kCounterCount> &values) {
    soccer::TeamStats stats;
    stats.played = values[0];
    stats.losses = values[1];
    stats.draws = values[2];
    stats.wins = values[3];
    stats.points = values[4];
    return stats;
}

bool isScoreCell(int r, int c) {
    return r >= 1 && r <= kTeams && c >= 1 && c <= kTeams && r != c;
}

soccer::ScoreChange enterScore(soccer::CrossTable &table, int r, int c, const QString &answer) {
    if (!answer.contains(QLatin1Char(' '))) // also the empty answer of a dismissed prompt
        return soccer::ScoreChange::None;
    return soccer::enterScore(table, r, c, answer);
}

DataFileError::DataFileError(const QString &fileName, const soccer::CoreError &cause,
                             bool savedFilesUnchanged)
    : std::runtime_error(fileName.toStdString() + ": " + cause.what()), fileName_(fileName),
      number_(cause.number()), detail_(cause.detail()), reason_(cause.reason()),
      savedFilesUnchanged_(savedFilesUnchanged) {}

QByteArray cellsFileBytes(const soccer::League &league) {
    soccer::LineWriter writer;
    for (int r = 1; r <= kTeams; ++r)
        for (int c = 1; c <= kTeams; ++c)
            writer.writeTextLine(league.crossTables[kHalf].cells[r][c]);
    return writer.bytes();
}

QByteArray namesFileBytes(const soccer::League &league) {
    soccer::LineWriter writer;
    for (int team = 1; team <= kTeams; ++team)
        writer.writeTextLine(league.teamNames[team]);
    return writer.bytes();
}

QByteArray countersFileBytes(const soccer::League &league) {
    soccer::LineWriter writer;
    for (int team = 1; team <= kTeams; ++team) {
        for (double value : inScreenOrder(league.crossTables[kHalf].stats[team]))
            writer.writeNumber(value);
        writer.endLine();
    }
    return writer.bytes();
}

namespace {

void readCells(soccer::League &league, soccer::ListReader &reader) {
    for (int r = 1; r <= kTeams; ++r)
        for (int c = 1; c <= kTeams; ++c)
            league.crossTables[kHalf].cells[r][c] = reader.readText();
}

void readNames(soccer::League &league, soccer::ListReader &reader) {
    for (int team = 1; team <= kTeams; ++team)
        league.teamNames[team] = reader.readText();
}

void readCounters(soccer::League &league, soccer::ListReader &reader) {
    for (int team = 1; team <= kTeams; ++team) {
        std::array<double, kCounterCount> values{};
        for (double &value : values)
            value = reader.readNumber();
        reader.skipRestOfLine();
        league.crossTables[kHalf].stats[team] = fromScreenOrder(values);
    }
}

using FileReading = std::function<void(soccer::League &, soccer::ListReader &)>;

void readDataFile(soccer::League &league, const DataFileSource &bytesOf, const QString &fileName,
                  const FileReading &read) {
    try {
        soccer::ListReader reader(bytesOf(fileName));
        read(league, reader);
    } catch (const soccer::CoreError &error) {
        throw DataFileError(fileName, error);
    }
}

} // namespace

void loadLeague(soccer::League &league, const DataFileSource &bytesOf) {
    league.teamCount = kTeams;
    readDataFile(league, bytesOf, kCellsFile, readCells);
    readDataFile(league, bytesOf, kNamesFile, readNames);
    readDataFile(league, bytesOf, kCountersFile, readCounters);
}

void loadLeague(soccer::League &league, const QDir &folder) {
    loadLeague(league, [&folder](const QString &fileName) {
        return soccer::readWholeFile(folder.filePath(fileName));
    });
}

std::vector<soccer::FileFingerprint> dataFilesAsTheyLie(const QDir &folder) {
    std::vector<soccer::FileFingerprint> prints;
    for (const QString &fileName : {kCellsFile, kNamesFile, kCountersFile})
        prints.push_back(soccer::FileFingerprint::ofFile(folder.filePath(fileName)));
    return prints;
}

soccer::RecoveryRecord recoveryRecord(const soccer::League &league, const QDir &folder,
                                      const std::vector<soccer::FileFingerprint> &loadedFrom) {
    const QByteArray bytes[] = {cellsFileBytes(league), namesFileBytes(league),
                                countersFileBytes(league)};
    const QString names[] = {kCellsFile, kNamesFile, kCountersFile};
    soccer::RecoveryRecord record{folder.absolutePath(), QDateTime::currentDateTime(), {}};
    for (std::size_t i = 0; i < std::size(names); ++i)
        record.parts.push_back({folder.absoluteFilePath(names[i]), bytes[i],
                                i < loadedFrom.size() ? loadedFrom[i] : soccer::FileFingerprint()});
    return record;
}

// A copy that lacks one of the files reads as that file missing.
DataFileSource recoveredFiles(const soccer::RecoveryRecord &record) {
    return [record](const QString &fileName) {
        for (const soccer::RecoveryPart &part : record.parts)
            if (QFileInfo(part.path).fileName() == fileName)
                return part.bytes;
        throw soccer::CoreError(soccer::ErrFileNotFound, fileName);
    };
}

namespace {

// In the order they are written.
const QStringList kSavedFiles = {kCountersFile, kCellsFile, kNamesFile};

soccer::FileSet dataFiles(const QDir &folder) {
    return soccer::FileSet(folder, kSavedFiles, kJournalFile);
}

} // namespace

void saveLeague(const soccer::League &league, const QDir &folder) {
    try {
        dataFiles(folder).save(
            {countersFileBytes(league), cellsFileBytes(league), namesFileBytes(league)});
    } catch (const soccer::SaveSetError &error) {
        const qsizetype failed = qsizetype(error.failedFile());
        throw DataFileError(failed < kSavedFiles.size() ? kSavedFiles[failed] : kJournalFile, error,
                            error.setUnchanged());
    }
}

soccer::FileSet::Unfinished finishUnfinishedSave(const QDir &folder) {
    try {
        return dataFiles(folder).finishUnfinished();
    } catch (const soccer::CoreError &error) {
        throw DataFileError(kJournalFile, error);
    }
}

} // namespace classic
