#include "core/tablefile.h"

#include "core/errors.h"
#include "core/valuerules.h"

#include <array>
#include <cmath>
#include <vector>

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

// What a table file holds, read apart from the League so that a file that fails half-way
// changes nothing. Cells are kept only for teams 1..N, which keeps the copy small.
struct ReadTable {
    int count = 0;
    std::vector<QString> cells; // both halves, row by row, as in the file
    std::array<std::array<TeamStats, kArraySize>, 3> stats{};
    std::vector<QString> names;
};

ReadTable readTableValues(const QByteArray &bytes) {
    ListReader reader(bytes);
    ReadTable table;
    table.count = teamCountFrom(reader.readNumber());
    reader.skipRestOfLine();
    const int count = table.count;
    table.cells.resize(std::size_t(2 * count * count));
    for (QString &cell : table.cells)
        cell = reader.readText();
    for (int k = 1; k <= 2; ++k) {
        for (int t = 1; t <= count; ++t) {
            for (Counter counter : kScreenOrder)
                counterRef(table.stats[k][t], counter) = reader.readNumber();
            reader.skipRestOfLine();
        }
    }
    table.names.resize(std::size_t(count));
    for (QString &name : table.names)
        name = reader.readText();
    return table;
}

// Hands over teams 1..N; entries beyond N keep what an earlier table left there.
void takeOver(ReadTable &read, League &into) {
    const int count = read.count;
    auto cell = read.cells.begin();
    for (int k = 1; k <= 2; ++k) {
        CrossTable &table = into.crossTables[k];
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c)
                table.cells[r][c].swap(*cell++);
            table.stats[r] = read.stats[k][r];
        }
    }
    for (int t = 1; t <= count; ++t)
        into.teamNames[t].swap(read.names[std::size_t(t - 1)]);
    into.teamCount = count;
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
    ReadTable read = readTableValues(bytes);
    takeOver(read, into);
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
