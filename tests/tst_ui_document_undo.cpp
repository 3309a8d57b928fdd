// The open table's undo stack: which changes are steps and how they are named, the clean
// state that load and save set, and a long random run of edits undone and redone to the byte,
// each step announcing itself as the change did.
#include "core/files/tablefile.h"
#include "core/import/importplan.h"
#include "core/import/importreader.h"
#include "tst_kit.h"
#include "ui/document/leaguedocument.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

const QStringList kNames = {"Спартак", "Динамо", "Зенит", "Торпедо", "ЦСКА", "Локомотив"};

// A table whose file holds what no score entry writes: a text without ':', a score without
// the leading blank, one followed by a note, and statistics that no cell explains.
QString writeOddTable(const QTemporaryDir &dir) {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = int(kNames.size());
    for (int t = 1; t <= league->teamCount; ++t)
        league->teamNames[t] = kNames[t - 1];
    soccer::CrossTable &first = league->crossTables[1];
    first.cells[1][2] = QStringLiteral("п/п");
    first.cells[2][1] = QStringLiteral("тп");
    first.cells[3][4] = QStringLiteral("2:1");
    first.cells[4][3] = QStringLiteral("1:2");
    league->crossTables[2].cells[5][6] = QStringLiteral(" 3: 0 тех");
    league->crossTables[2].cells[6][5] = QStringLiteral(" 0: 3 тех");
    first.stats[1] = {2, 4.5, 1, 0, 1, 7, 2};
    league->crossTables[2].stats[6] = {1, -1, 0, 1, 0, 0, 3};
    const QString path = dir.path() + QStringLiteral("/odd.TFL");
    soccer::writeTableFile(path, *league);
    return path;
}

// Every signal of the document in order, with what it names.
class SignalLog : public QObject {
  public:
    explicit SignalLog(LeagueDocument &document) {
        connect(&document, &LeagueDocument::reloaded, this, [this] { lines << "reloaded"; });
        connect(&document, &LeagueDocument::resultsCleared, this, [this] { lines << "cleared"; });
        connect(&document, &LeagueDocument::matchesChanged, this,
                [this](int half, const std::vector<LeagueDocument::Match> &cells) {
                    QString line = QStringLiteral("matches %1:").arg(half);
                    for (const auto &cell : cells)
                        line += QStringLiteral(" %1,%2").arg(cell.row).arg(cell.column);
                    lines << line;
                });
        connect(&document, &LeagueDocument::statisticsChanged, this,
                [this](int half, const std::vector<LeagueDocument::Statistic> &statistics) {
                    QString line = QStringLiteral("statistics %1:").arg(half);
                    for (const auto &statistic : statistics)
                        line += QStringLiteral(" %1,%2").arg(statistic.team).arg(statistic.column);
                    lines << line;
                });
        connect(&document, &LeagueDocument::namesChanged, this,
                [this](const std::vector<int> &teams) {
                    QString line = QStringLiteral("names:");
                    for (int team : teams)
                        line += QStringLiteral(" %1").arg(team);
                    lines << line;
                });
    }
    QStringList take() { return std::exchange(lines, {}); }

    QStringList lines;
};

// Makes random changes of every kind through the document.
class RandomEditor {
  public:
    RandomEditor(LeagueDocument &document, quint32 seed) : document_(document), random_(seed) {}

    void edit() {
        const int kind = pick(100);
        if (kind < 70)
            enterScore();
        else if (kind < 80)
            document_.rename(team(), name());
        else if (kind < 85)
            renameAll();
        else if (kind < 87)
            document_.clearResults();
        else if (kind < 95)
            importResults();
        else
            document_.setRankingRule(soccer::RankingRule::fromPreset(
                soccer::kAllPresets[std::size_t(pick(int(soccer::kAllPresets.size())))]));
    }

  private:
    int pick(int below) { return int(random_.bounded(below)); }
    int team() { return 1 + pick(document_.teamCount()); }
    QString name() {
        const int index = pick(int(kNames.size()) + 2);
        return index < kNames.size() ? kNames[index] : QStringLiteral("Команда %1").arg(index);
    }

    void enterScore() {
        static const QStringList answers = {"2 1",   "0 0", "",  "",     "a b",    "1.5 2", "-1 2",
                                            "3 1 0", "2:1", " ", "10 0", "&H10 1", "1E2 1"};
        const int row = team();
        int column = team();
        if (column == row)
            column = row % document_.teamCount() + 1;
        document_.enterScore(1 + pick(2), row, column, answers[pick(int(answers.size()))]);
    }

    void renameAll() {
        std::vector<QString> names(std::size_t(document_.teamCount()) + 1);
        for (int t = 1; t <= document_.teamCount(); ++t)
            names[std::size_t(t)] = pick(3) == 0 ? name() : document_.league().teamNames[t];
        document_.renameAll(names);
    }

    // Results of the table's own teams (or of teams it no longer has), the file's names taken
    // for the table's, or a new table of another count.
    void importResults() {
        static const QByteArray known = QStringLiteral("Спартак;Динамо;2;1\n"
                                                       "Зенит;Торпедо;0;0\n"
                                                       "Динамо;Спартак;1;3\n"
                                                       "ЦСКА;Локомотив;4;2\n")
                                            .toUtf8();
        static const QByteArray other = QStringLiteral("Рубин;Ротор;3;0\n"
                                                       "Факел;Волга;1;1\n"
                                                       "Урал;Сокол;0;2\n"
                                                       "Ротор;Рубин;2;2\n")
                                            .toUtf8();
        soccer::ImportOptions options;
        const int way = pick(3);
        if (way == 1 && document_.teamCount() == 6)
            options.naming = soccer::TeamNaming::FromFile;
        if (way == 2) {
            options.naming = soccer::TeamNaming::NewTable;
            options.newTeamCount = 6 + pick(3);
        }
        soccer::ImportPlan plan = soccer::planImport(
            document_.league(), soccer::readImportBytes(way == 0 ? known : other), options);
        plan.chooseForConflicts(pick(2) ? soccer::ConflictChoice::TakeFile
                                        : soccer::ConflictChoice::KeepTable);
        document_.applyImport(plan);
    }

    LeagueDocument &document_;
    QRandomGenerator random_;
};

} // namespace

class TestDocumentUndo : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = writeOddTable(dir_);
    }

    void changesAreNamedSteps();
    void unchangedTableIsNoStep();
    void loadAndSaveSetTheCleanState();
    void randomEditsUndoAndRedoToTheByte();

  private:
    QTemporaryDir dir_;
    QString path_;
};

void TestDocumentUndo::changesAreNamedSteps() {
    LeagueDocument document;
    document.load(path_);
    QUndoStack *stack = document.undoStack();
    const auto step = [stack](const std::function<void()> &change) {
        const int before = stack->index();
        change();
        return stack->index() == before + 1 ? stack->undoText() : QStringLiteral("<no step>");
    };
    QCOMPARE(step([&] { document.enterScore(1, 2, 3, "2 1"); }),
             QStringLiteral("ввод счёта Динамо – Зенит"));
    QCOMPARE(step([&] { document.enterScore(1, 3, 2, "0 0"); }),
             QStringLiteral("изменение счёта Зенит – Динамо"));
    QCOMPARE(step([&] { document.enterScore(1, 4, 3, "1 1"); }),
             QStringLiteral("изменение счёта Торпедо – Зенит"));
    QCOMPARE(step([&] { document.enterScore(2, 6, 5, ""); }),
             QStringLiteral("удаление счёта Локомотив – ЦСКА"));
    QCOMPARE(step([&] { document.rename(1, "Алания"); }),
             QStringLiteral("переименование команды Спартак"));
    QCOMPARE(step([&] {
                 document.renameAll({"", "Алания", "Ротор"});
             }),
             QStringLiteral("переименование команд"));
    QCOMPARE(step([&] { document.clearResults(); }), QStringLiteral("очистку таблицы"));
    QCOMPARE(step([&] {
                 document.setRankingRule(
                     soccer::RankingRule::fromPreset(soccer::RulePreset::HeadToHeadFirst));
             }),
             QStringLiteral("выбор правил турнира"));
    const QByteArray csv = QStringLiteral("Алания;Ротор;2;1\n").toUtf8();
    QCOMPARE(step([&] {
                 document.applyImport(
                     soccer::planImport(document.league(), soccer::readImportBytes(csv)));
             }),
             QStringLiteral("импорт результатов"));
    QCOMPARE(document.league().crossTables[1].cells[1][2], QStringLiteral(" 2: 1"));
}

void TestDocumentUndo::unchangedTableIsNoStep() {
    LeagueDocument document;
    document.load(path_);
    const QByteArray before = soccer::tableBytes(document.league());
    SignalLog log(document);
    document.enterScore(1, 1, 2, "2 1");           // a text that is no score cannot be replaced
    document.enterScore(1, 3, 4, "2:1");           // an answer without a blank
    document.enterScore(1, 1, 3, "");              // nothing to delete
    document.rename(2, "Динамо");                  // the same name
    document.renameAll({"", "Спартак", "Динамо"}); // the same names
    document.setRankingRule(soccer::RankingRule{});
    soccer::ImportPlan unusable;
    unusable.problem = QStringLiteral("файл пуст");
    document.applyImport(unusable);
    QCOMPARE(document.undoStack()->count(), 0);
    QVERIFY(!document.isModified());
    QCOMPARE(soccer::tableBytes(document.league()), before);
    // The grids are told as they always were, though the table is as it was.
    QCOMPARE(log.take(), QStringList({"names: 2", "names: 1 2", "reloaded"}));
}

void TestDocumentUndo::loadAndSaveSetTheCleanState() {
    LeagueDocument document;
    document.load(path_);
    QVERIFY(!document.isModified());
    document.enterScore(1, 2, 3, "1 0");
    QVERIFY(document.isModified());
    document.save();
    QVERIFY(!document.isModified());
    QVERIFY(document.undoStack()->canUndo());
    document.undoStack()->undo();
    QVERIFY(document.isModified());
    document.undoStack()->redo();
    QVERIFY(!document.isModified());

    // A save that fails leaves the table unsaved.
    document.clearResults();
    document.setTablePath(dir_.path() + QStringLiteral("/missing/t.TFL"));
    QVERIFY(testkit::errorNumberOf([&] { document.save(); }) != 0);
    QVERIFY(document.isModified());

    document.load(path_);
    QCOMPARE(document.undoStack()->count(), 0);
    QVERIFY(!document.isModified());
    QVERIFY(!document.undoStack()->canRedo());
}

// Every step's signals are recorded as the change makes them; its undo and its redo must say
// the same (a pair's cells and the statistics that differ are the same both ways).
void TestDocumentUndo::randomEditsUndoAndRedoToTheByte() {
    constexpr int kEdits = 3000;
    LeagueDocument document;
    document.load(path_);
    QUndoStack *stack = document.undoStack();
    SignalLog log(document);
    RandomEditor editor(document, 20240512);

    const QByteArray start = soccer::tableBytes(document.league());
    std::vector<QStringList> announced; // by step
    QByteArray halfway;
    int halfwayIndex = 0;
    for (int i = 0; i < kEdits; ++i) {
        if (i == kEdits / 2) {
            halfway = soccer::tableBytes(document.league());
            halfwayIndex = stack->index();
        }
        const int before = stack->index();
        editor.edit();
        const QStringList said = log.take();
        if (stack->index() > before)
            announced.push_back(said);
    }
    const QByteArray end = soccer::tableBytes(document.league());
    QCOMPARE(stack->count(), int(announced.size()));
    QVERIFY2(stack->count() > kEdits / 2, qPrintable(QString::number(stack->count())));
    QVERIFY(halfway != start && halfway != end);
    // Every kind of step is in the run.
    QMap<QString, int> kinds;
    for (int i = 0; i < stack->count(); ++i)
        ++kinds[stack->text(i).section(QLatin1Char(' '), 0, 1)];
    QCOMPARE(kinds.size(), 8);

    while (stack->index() > halfwayIndex) {
        stack->undo();
        QCOMPARE(log.take(), announced[std::size_t(stack->index())]);
    }
    QCOMPARE(soccer::tableBytes(document.league()), halfway);
    while (stack->canUndo()) {
        stack->undo();
        QCOMPARE(log.take(), announced[std::size_t(stack->index())]);
    }
    QCOMPARE(soccer::tableBytes(document.league()), start);
    QVERIFY(!document.isModified());

    while (stack->canRedo()) {
        const int step = stack->index();
        stack->redo();
        QCOMPARE(log.take(), announced[std::size_t(step)]);
        if (stack->index() == halfwayIndex)
            QCOMPARE(soccer::tableBytes(document.league()), halfway);
    }
    QCOMPARE(soccer::tableBytes(document.league()), end);
}

QTEST_MAIN(TestDocumentUndo)
#include "tst_ui_document_undo.moc"
