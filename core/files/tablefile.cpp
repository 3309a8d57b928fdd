#include "core/files/tablefile.h"

#include "core/files/codepage.h"
#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/files/tablesection.h"
#include "core/files/wholefile.h"
#include "core/league/columns.h"
#include "core/league/errors.h"

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

// What a table file holds, read through to the end before anything is kept, so that a file
// that fails half-way changes nothing. Texts stay where they lie in the file until then.
struct ReadTable {
    int count = 0;
    std::vector<ListReader::TextSpan> cells; // both halves, row by row, as in the file
    std::array<std::array<TeamStats, kArraySize>, 3> stats{};
    std::vector<ListReader::TextSpan> names;
};

void readTableValues(ListReader &reader, ReadTable &table) {
    table.count = teamCountFrom(reader.readNumber());
    reader.skipRestOfLine();
    const int count = table.count;
    table.cells.reserve(std::size_t(2 * count * count));
    for (int cell = 0; cell < 2 * count * count; ++cell)
        table.cells.push_back(reader.readTextSpan());
    for (int k = 1; k <= 2; ++k) {
        for (int t = 1; t <= count; ++t) {
            for (Counter counter : kStoredCounters)
                counterRef(table.stats[k][t], counter) = reader.readNumber();
            reader.skipRestOfLine();
        }
    }
    table.names.reserve(std::size_t(count));
    for (int t = 1; t <= count; ++t)
        table.names.push_back(reader.readTextSpan());
    // What follows a name on its line, past a comma, belongs to no value.
    reader.skipRestOfLine();
}

// Stores teams 1..N; entries beyond N keep what an earlier table left there.
void takeOver(const ListReader &reader, const ReadTable &read, League &into) {
    const int count = read.count;
    auto cell = read.cells.begin();
    for (int k = 1; k <= 2; ++k) {
        CrossTable &table = into.crossTables[k];
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c)
                table.cells[r][c] = reader.text(*cell++);
            table.stats[r] = read.stats[k][r];
        }
    }
    for (int t = 1; t <= count; ++t)
        into.teamNames[t] = reader.text(read.names[std::size_t(t - 1)]);
    into.teamCount = count;
}

void writeCells(LineWriter &writer, const CrossTable &table, int count) {
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= count; ++c)
            writer.writeTextLine(table.cells[r][c]);
    }
}

void writeStatsLine(LineWriter &writer, const TeamStats &stats) {
    for (Counter counter : kStoredCounters)
        writer.writeNumber(counterValue(stats, counter));
    writer.endLine();
}

// Room for a full table of short score texts, so the buffer grows once.
qsizetype expectedSize(int count) {
    return qsizetype(count) * count * 2 * 8 + count * 120;
}

[[noreturn]] void failNotStorable(const QString &what, const QString &text) {
    throw CoreError(
        ErrInvalidArgument, text,
        QStringLiteral("%1 «%2» нельзя записать в кодовой странице 1251").arg(what, text));
}

// A table read from a UTF-8 file may hold what code page 1251 cannot; the file would then get
// question marks in its place, so such a table is not written at all.
void checkStorable(const League &league) {
    const int count = league.teamCount;
    for (int t = 1; t <= count; ++t) {
        if (!fitsTableCodePage(league.teamNames[t]))
            failNotStorable(QStringLiteral("имя команды %1").arg(t), league.teamNames[t]);
    }
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c) {
                const QString &cell = league.crossTables[k].cells[r][c];
                if (!fitsTableCodePage(cell))
                    failNotStorable(QStringLiteral("текст клетки %1:%2").arg(r).arg(c), cell);
            }
        }
    }
}

} // namespace

QStringList parseTable(const QByteArray &bytes, League &into) {
    ReadTable read;
    ListReader reader(bytes, tableTextCoding(bytes));
    readTableValues(reader, read);
    takeOver(reader, read, into);
    return readTableSection(reader, into);
}

QStringList readTableFile(const QString &path, League &into) {
    return parseTable(readWholeFile(path), into);
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
    writeTableSection(writer, league);
    return writer.bytes();
}

void writeTableFile(const QString &path, const League &league) {
    checkStorable(league);
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
