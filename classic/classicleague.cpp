#include "classic/classicleague.h"

#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/files/wholefile.h"
#include "core/league/score.h"

#include <functional>
#include <utility>
#include <vector>

namespace classic {

std::array<double, kCounterCount> inScreenOrder(const TeamCounters &counters) {
    return {counters.played, counters.losses, counters.draws, counters.wins, counters.points};
}

TeamCounters fromScreenOrder(const std::array<double, kCounterCount> &values) {
    return {values[0], values[1], values[2], values[3], values[4]};
}

bool isScoreCell(int r, int c) {
    return r >= 1 && r <= kTeams && c >= 1 && c <= kTeams && r != c;
}

void countResult(ClassicLeague &league, int r, int c, double x, double y, int sign) {
    soccer::countOutcome(league.counters[r], league.counters[c], x, y, sign);
}

ScoreChange enterScore(ClassicLeague &league, int r, int c, const QString &answer) {
    if (!isScoreCell(r, c))
        return ScoreChange::None;
    const qsizetype blank = answer.indexOf(QLatin1Char(' '));
    if (blank < 0) // also the empty answer of a dismissed prompt
        return ScoreChange::None;
    const double x = soccer::readScoreNumber(QStringView(answer).left(blank));
    const double y = soccer::readScoreNumber(QStringView(answer).mid(blank + 1));

    const QString &old = league.cells[r][c];
    if (!old.isEmpty()) {
        double oldX = 0;
        double oldY = 0;
        // A stored text without ':' cannot be taken back, so the pair stays as it is.
        if (!soccer::splitScoreText(old, oldX, oldY))
            return ScoreChange::None;
        countResult(league, r, c, oldX, oldY, -1);
    }
    league.cells[r][c] = soccer::scoreText(x, y);
    league.cells[c][r] = soccer::scoreText(y, x);
    countResult(league, r, c, x, y, +1);
    return ScoreChange::Recorded;
}

void rankByPoints(ClassicLeague &league) {
    std::array<bool, kTeamArraySize> placed{};
    for (int position = 1; position <= kTeams; ++position) {
        // The first unplaced team leads until a later one has strictly more points, so every
        // position gets a team whatever the counters hold.
        int leader = 0;
        for (int team = 1; team <= kTeams; ++team) {
            if (placed[team])
                continue;
            if (leader == 0 || league.counters[team].points > league.counters[leader].points)
                leader = team;
        }
        placed[leader] = true;
        league.standingsOrder[position] = leader;
    }
}

void clearResults(ClassicLeague &league) {
    for (auto &row : league.cells)
        row.fill(QString());
    league.counters.fill(TeamCounters{});
}

DataFileError::DataFileError(const QString &fileName, const soccer::CoreError &cause,
                             bool savedFilesUnchanged)
    : std::runtime_error(fileName.toStdString() + ": " + cause.what()), fileName_(fileName),
      number_(cause.number()), detail_(cause.detail()), reason_(cause.reason()),
      savedFilesUnchanged_(savedFilesUnchanged) {}

QByteArray cellsFileBytes(const ClassicLeague &league) {
    soccer::LineWriter writer;
    for (int r = 1; r <= kTeams; ++r)
        for (int c = 1; c <= kTeams; ++c)
            writer.writeTextLine(league.cells[r][c]);
    return writer.bytes();
}

QByteArray namesFileBytes(const ClassicLeague &league) {
    soccer::LineWriter writer;
    for (int team = 1; team <= kTeams; ++team)
        writer.writeTextLine(league.teamNames[team]);
    return writer.bytes();
}

QByteArray countersFileBytes(const ClassicLeague &league) {
    soccer::LineWriter writer;
    for (int team = 1; team <= kTeams; ++team) {
        for (double value : inScreenOrder(league.counters[team]))
            writer.writeNumber(value);
        writer.endLine();
    }
    return writer.bytes();
}

namespace {

void readCells(ClassicLeague &league, soccer::ListReader &reader) {
    for (int r = 1; r <= kTeams; ++r)
        for (int c = 1; c <= kTeams; ++c)
            league.cells[r][c] = reader.readText();
}

void readNames(ClassicLeague &league, soccer::ListReader &reader) {
    for (int team = 1; team <= kTeams; ++team)
        league.teamNames[team] = reader.readText();
}

void readCounters(ClassicLeague &league, soccer::ListReader &reader) {
    for (int team = 1; team <= kTeams; ++team) {
        std::array<double, kCounterCount> values{};
        for (double &value : values)
            value = reader.readNumber();
        reader.skipRestOfLine();
        league.counters[team] = fromScreenOrder(values);
    }
}

using FileReading = std::function<void(ClassicLeague &, soccer::ListReader &)>;

void readDataFile(ClassicLeague &league, const QDir &folder, const QString &fileName,
                  const FileReading &read) {
    try {
        soccer::ListReader reader(soccer::readWholeFile(folder.filePath(fileName)));
        read(league, reader);
    } catch (const soccer::CoreError &error) {
        throw DataFileError(fileName, error);
    }
}

} // namespace

void loadLeague(ClassicLeague &league, const QDir &folder) {
    readDataFile(league, folder, kCellsFile, readCells);
    readDataFile(league, folder, kNamesFile, readNames);
    readDataFile(league, folder, kCountersFile, readCounters);
}

void saveLeague(const ClassicLeague &league, const QDir &folder) {
    const std::array<std::pair<QString, QByteArray>, 3> files = {{
        {kCountersFile, countersFileBytes(league)},
        {kCellsFile, cellsFileBytes(league)},
        {kNamesFile, namesFileBytes(league)},
    }};
    std::vector<soccer::FileToSave> toSave;
    for (const auto &[fileName, bytes] : files)
        toSave.push_back({folder.filePath(fileName), bytes});
    try {
        soccer::saveTogether(toSave);
    } catch (const soccer::SaveSetError &error) {
        throw DataFileError(files[error.failedFile()].first, error, error.setUnchanged());
    }
}

} // namespace classic
