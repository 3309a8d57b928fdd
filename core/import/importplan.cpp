#include "core/import/importplan.h"

#include "core/import/importcalendar.h"
#include "core/import/importnames.h"
#include "core/league/score.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <array>

namespace soccer {

namespace {

constexpr int kMinNewTeams = 4;

// A distinct team of the file, under its stored spelling.
struct FileTeam {
    QString name;
    TextProblem problem = TextProblem::None; // a name the table cannot hold
    int number = 0; // FromFile and NewTable: its number in the table; 0 for a refused name
};

QString lowerFirst(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

class Planner {
  public:
    Planner(const League &league, const ImportedFile &file, const ImportOptions &options)
        : league_(league), file_(file) {
        plan_.source = file.source;
        plan_.options = options;
        plan_.problem = file.problem;
        plan_.tableTeamCount = league.teamCount;
        plan_.fileMatches = int(file.matches.size());
        plan_.withoutScore = file.withoutScore;
        plan_.problems = file.problems;
    }

    ImportPlan run() {
        if (plan_.usable()) {
            collectFileTeams();
            matchTableNames();
            decideOffer();
            if (assignTeams())
                placeMatches();
            plan_.roundNotes = doubledRoundNotes(plan_);
        }
        if (!plan_.usable())
            plan_.results.clear();
        std::stable_sort(plan_.problems.begin(), plan_.problems.end(),
                         [](const LineProblem &a, const LineProblem &b) {
                             // a line that cannot be told goes last
                             return unsigned(a.line - 1) < unsigned(b.line - 1);
                         });
        plan_.chooseForConflicts(plan_.options.conflicts);
        return std::move(plan_);
    }

  private:
    int fileTeamOf(const QString &written) {
        const auto cached = byWritten_.constFind(written);
        if (cached != byWritten_.constEnd())
            return *cached;
        const QString key = teamKey(written);
        int index = byKey_.value(key, -1);
        if (index < 0) {
            index = int(teams_.size());
            FileTeam team;
            team.name = storedTeamName(written);
            team.problem = tableTextProblem(team.name);
            if (team.problem == TextProblem::None) {
                plan_.fileTeams.append(team.name);
                team.number = int(plan_.fileTeams.size());
            }
            teams_.push_back(team);
            byKey_.insert(key, index);
        }
        byWritten_.insert(written, index);
        return index;
    }

    void collectFileTeams() {
        matchTeams_.reserve(file_.matches.size());
        for (const ImportedMatch &match : file_.matches) {
            const int home = fileTeamOf(match.home);
            matchTeams_.push_back({home, fileTeamOf(match.away)});
        }
    }

    void matchTableNames() {
        QHash<QString, int> tableTeams;
        for (int t = league_.teamCount; t >= 1; --t)
            tableTeams.insert(teamKey(league_.teamNames[t]), t); // the first of equal names wins
        tableNumbers_.resize(teams_.size());
        for (std::size_t i = 0; i < teams_.size(); ++i) {
            tableNumbers_[i] = tableTeams.value(teamKey(teams_[i].name), 0);
            plan_.matchedTeams += tableNumbers_[i] > 0 ? 1 : 0;
        }
        plan_.defaultNames = hasDefaultNames(league_);
    }

    void decideOffer() {
        const int count = int(plan_.fileTeams.size());
        const bool allMatched = plan_.matchedTeams >= int(teams_.size());
        if (count == 0 || !(plan_.matchedTeams == 0 || (plan_.defaultNames && !allMatched)))
            return;
        if (count == league_.teamCount)
            plan_.offer = NamingOffer::FromFile;
        else if (count >= kMinNewTeams && count <= kMaxTeams)
            plan_.offer = NamingOffer::NewTable;
    }

    bool assignTeams() {
        const int fileCount = int(plan_.fileTeams.size());
        int count = fileCount;
        switch (plan_.options.naming) {
        case TeamNaming::TableNames:
            plan_.teamCount = league_.teamCount;
            for (int t = 1; t <= league_.teamCount; ++t)
                plan_.teamNames.append(league_.teamNames[t]);
            return true;
        case TeamNaming::FromFile:
            if (fileCount != league_.teamCount) {
                plan_.problem = QStringLiteral("В файле %1 команд, а в таблице %2: назвать "
                                               "команды таблицы по файлу нельзя")
                                    .arg(fileCount)
                                    .arg(league_.teamCount);
                return false;
            }
            break;
        case TeamNaming::NewTable:
            count = plan_.options.newTeamCount > 0 ? plan_.options.newTeamCount : fileCount;
            if (!checkNewCount(count, fileCount))
                return false;
            break;
        }
        plan_.renames = true;
        plan_.teamNames = plan_.fileTeams;
        // Teams the file does not name get the names a new table gives them.
        for (int t = fileCount + 1; t <= count; ++t)
            plan_.teamNames.append(QLatin1Char(' ') + QString::number(t));
        plan_.teamCount = count;
        return true;
    }

    bool checkNewCount(int count, int fileCount) {
        if (count < kMinNewTeams || count > kMaxTeams) {
            plan_.problem = QStringLiteral("В новой таблице может быть от %1 до %2 команд, а не %3")
                                .arg(kMinNewTeams)
                                .arg(kMaxTeams)
                                .arg(count);
            return false;
        }
        if (fileCount > count) {
            plan_.problem = QStringLiteral("В файле %1 команд: в новую таблицу на %2 они не "
                                           "поместятся")
                                .arg(fileCount)
                                .arg(count);
            return false;
        }
        return true;
    }

    int tableNumber(int fileTeam) const {
        if (plan_.options.naming == TeamNaming::TableNames)
            return tableNumbers_[std::size_t(fileTeam)];
        return teams_[std::size_t(fileTeam)].number;
    }

    void refuse(int line, const QString &reason) { plan_.problems.push_back({line, reason}); }

    enum class Side { Known, Unknown, Unstorable };

    Side sideOf(int fileTeam) const {
        if (tableNumber(fileTeam) > 0)
            return Side::Known;
        const bool naming = plan_.options.naming != TeamNaming::TableNames;
        return naming && teams_[std::size_t(fileTeam)].problem != TextProblem::None
                   ? Side::Unstorable
                   : Side::Unknown;
    }

    QString unstorableReason(int fileTeam, const QString &written) const {
        return QStringLiteral("название «%1» нельзя сохранить в таблице: %2")
            .arg(written,
                 lowerFirst(tableTextProblemMessage(teams_[std::size_t(fileTeam)].problem)));
    }

    // Why the teams of a match are not the table's; empty when both are.
    QString teamsProblem(const ImportedMatch &match, int homeTeam, int awayTeam) const {
        const Side home = sideOf(homeTeam);
        const Side away = sideOf(awayTeam);
        if (home == Side::Unknown && away == Side::Unknown)
            return QStringLiteral("неизвестные команды «%1» и «%2»").arg(match.home, match.away);
        QStringList reasons;
        if (home == Side::Unstorable)
            reasons.append(unstorableReason(homeTeam, match.home));
        if (home == Side::Unknown)
            reasons.append(QStringLiteral("неизвестная команда «%1»").arg(match.home));
        if (away == Side::Unstorable)
            reasons.append(unstorableReason(awayTeam, match.away));
        if (away == Side::Unknown)
            reasons.append(QStringLiteral("неизвестная команда «%1»").arg(match.away));
        return reasons.join(QStringLiteral("; "));
    }

    // The number of the pair's meeting this match is (1, 2, ...).
    int meeting(int a, int b) {
        return ++meetings_[std::size_t(std::min(a, b))][std::size_t(std::max(a, b))];
    }

    void placeMatches() {
        for (std::size_t i = 0; i < file_.matches.size(); ++i)
            placeMatch(file_.matches[i], matchTeams_[i].first, matchTeams_[i].second);
    }

    void placeMatch(const ImportedMatch &match, int homeTeam, int awayTeam) {
        const QString problem = teamsProblem(match, homeTeam, awayTeam);
        if (!problem.isEmpty()) {
            refuse(match.line, problem);
            return;
        }
        PlannedResult result;
        result.line = match.line;
        result.home = tableNumber(homeTeam);
        result.away = tableNumber(awayTeam);
        result.homeGoals = match.homeGoals;
        result.awayGoals = match.awayGoals;
        result.technical = match.technical;
        result.round = importedRound(match.round);
        result.date = importedDate(match.date);
        if (result.home == result.away) {
            refuse(match.line, QStringLiteral("команда «%1» играет сама с собой").arg(match.home));
            return;
        }
        result.half = meeting(result.home, result.away);
        if (result.half > 2) {
            refuse(match.line, QStringLiteral("%1-я встреча команд «%2» и «%3»: в таблице место "
                                              "только для двух")
                                   .arg(result.half)
                                   .arg(match.home, match.away));
            return;
        }
        if (compareWithTable(result))
            plan_.results.push_back(result);
    }

    // Sets the state of the result from the cell it goes into; false (and the line refused)
    // when the cell holds a text that is not a score, which no score entry replaces.
    bool compareWithTable(PlannedResult &result) {
        if (plan_.options.naming == TeamNaming::NewTable)
            return true;
        const QString &cell = league_.crossTables[result.half].cells[result.home][result.away];
        if (cell.isEmpty())
            return true;
        double x = 0;
        double y = 0;
        if (!result.technical.isEmpty() && cell == result.technical) {
            result.tableScore = cell;
            result.state = PlannedResult::State::Same;
            return true;
        }
        if (!splitScoreText(cell, x, y)) {
            refuse(result.line, QStringLiteral("в шахматной таблице (%1) у этой пары записано "
                                               "«%2», а не счёт: его нельзя заменить")
                                    .arg(result.half)
                                    .arg(cell));
            return false;
        }
        result.tableScore = cell;
        const bool same =
            result.technical.isEmpty() && x == result.homeGoals && y == result.awayGoals;
        result.state = same ? PlannedResult::State::Same : PlannedResult::State::Conflict;
        return true;
    }

    const League &league_;
    const ImportedFile &file_;
    ImportPlan plan_;
    std::vector<FileTeam> teams_;
    QHash<QString, int> byKey_;
    QHash<QString, int> byWritten_;
    std::vector<std::pair<int, int>> matchTeams_; // file teams of each match
    std::vector<int> tableNumbers_;               // table team of each file team, 0 for none
    std::array<std::array<int, kArraySize>, kArraySize> meetings_{};
};

} // namespace

QString PlannedResult::answer() const {
    if (!technical.isEmpty())
        return QString(technical).replace(QLatin1Char(':'), QLatin1Char(' '));
    return QString::number(homeGoals) + QLatin1Char(' ') + QString::number(awayGoals);
}

int ImportPlan::count(int half, PlannedResult::State state) const {
    return int(std::count_if(results.begin(), results.end(), [&](const PlannedResult &result) {
        return result.half == half && result.state == state;
    }));
}

int ImportPlan::conflictCount() const {
    return count(1, PlannedResult::State::Conflict) + count(2, PlannedResult::State::Conflict);
}

int ImportPlan::enteredCount(int half) const {
    return int(std::count_if(results.begin(), results.end(), [&](const PlannedResult &result) {
        return result.half == half && result.entered();
    }));
}

void ImportPlan::chooseForConflicts(ConflictChoice choice) {
    options.conflicts = choice;
    for (PlannedResult &result : results)
        result.takeFile =
            result.state == PlannedResult::State::Conflict && choice == ConflictChoice::TakeFile;
}

ImportPlan planImport(const League &league, const ImportedFile &file,
                      const ImportOptions &options) {
    return Planner(league, file, options).run();
}

} // namespace soccer
