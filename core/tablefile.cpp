#include "core/tablefile.h"

#include "core/errors.h"
#include "core/valuerules.h"

#include <cmath>
#include <memory>
#include <utility>

namespace soccer {

namespace {

// Widest count that is still worth rounding; anything beyond cannot be a team count anyway.
constexpr double kCountLimit = 1e9;

int teamCountFrom(double count) {
    const long rounded = std::fabs(count) < kCountLimit ? std::lround(count) : -1;
    if (rounded < 1 || rounded > kMaxTeams)
        throw CoreError(ErrSubscriptOutOfRange,
                        QStringLiteral("число команд %1 (допустимо от 1 до %2)")
                            .arg(QString::number(count), QString::number(kMaxTeams)));
    return int(rounded);
}

void checkTeamCount(int teamCount) {
    if (teamCount < 1 || teamCount > kMaxTeams)
        throw CoreError(ErrSubscriptOutOfRange, QStringLiteral("число команд %1").arg(teamCount));
}

void readCells(ListReader &reader, CrossTable &table, int count) {
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= count; ++c)
            table.cells[r][c] = reader.readText();
    }
}

void readStats(ListReader &reader, CrossTable &table, int count) {
    for (int t = 1; t <= count; ++t) {
        for (Counter counter : kScreenOrder)
            counterRef(table.stats[t], counter) = reader.readNumber();
        reader.skipRestOfLine();
    }
}

// Hands over what was read (teams 1..N only: entries beyond N keep what an earlier table
// left there, as they always have).
void takeOver(League &read, League &into) {
    const int count = read.teamCount;
    into.teamCount = count;
    for (int k = 1; k <= 2; ++k) {
        CrossTable &from = read.crossTables[k];
        CrossTable &to = into.crossTables[k];
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c)
                std::swap(from.cells[r][c], to.cells[r][c]);
            to.stats[r] = from.stats[r];
        }
    }
    for (int t = 1; t <= count; ++t)
        std::swap(read.teamNames[t], into.teamNames[t]);
}

void writeCells(LineWriter &writer, const CrossTable &table, int count) {
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= count; ++c)
            writer.writeTextLine(table.cells[r][c]);
    }
}

void writeStatsLine(LineWriter &writer, const TeamStats &stats) {
    for (Counter counter : kScreenOrder)
        writer.writeNumber(counterValue(stats, counter));
    writer.endLine();
}

// Room for a full table of short score texts, so the buffer grows once.
qsizetype expectedSize(int count) {
    return qsizetype(count) * count * 2 * 8 + count * 120;
}

} // namespace

void parseTable(const QByteArray &bytes, League &into) {
    // Read into a League of its own, so that a file that fails half-way changes nothing.
    auto read = std::make_unique<League>();
    ListReader reader(bytes);
    read->teamCount = teamCountFrom(reader.readNumber());
    reader.skipRestOfLine();
    const int count = read->teamCount;
    readCells(reader, read->crossTables[1], count);
    readCells(reader, read->crossTables[2], count);
    readStats(reader, read->crossTables[1], count);
    readStats(reader, read->crossTables[2], count);
    for (int t = 1; t <= count; ++t)
        read->teamNames[t] = reader.readText();
    takeOver(*read, into);
}

void readTableFile(const QString &path, League &into) {
    parseTable(readWholeFile(path), into);
}

QByteArray tableBytes(const League &league) {
    const int count = league.teamCount;
    checkTeamCount(count);
    LineWriter writer;
    writer.reserve(expectedSize(count));
    writer.writeNumber(count);
    writer.endLine();
    writeCells(writer, league.crossTables[1], count);
    writeCells(writer, league.crossTables[2], count);
    for (int k = 1; k <= 2; ++k) {
        for (int t = 1; t <= count; ++t)
            writeStatsLine(writer, league.crossTables[k].stats[t]);
    }
    for (int t = 1; t <= count; ++t)
        writer.writeTextLine(league.teamNames[t]);
    return writer.bytes();
}

void writeTableFile(const QString &path, const League &league) {
    saveWholeFile(path, tableBytes(league));
}

QByteArray blankTableBytes(int teamCount) {
    checkTeamCount(teamCount);
    LineWriter writer;
    writer.reserve(expectedSize(teamCount));
    writer.writeBareNumber(teamCount);
    writer.endLine();
    for (int line = 0; line < 2 * teamCount * teamCount; ++line)
        writer.endLine();
    for (int line = 0; line < 2 * teamCount; ++line)
        writeStatsLine(writer, TeamStats{});
    for (int t = 1; t <= teamCount; ++t)
        writer.writeTextLine(QLatin1Char(' ') + QString::number(t));
    return writer.bytes();
}

void writeBlankTable(const QString &path, int teamCount) {
    saveWholeFile(path, blankTableBytes(teamCount));
}

} // namespace soccer
