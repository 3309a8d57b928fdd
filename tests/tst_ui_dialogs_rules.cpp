// The tournament rules dialog: the presets by name, an order assembled by hand, the preview of
// the places, and OK against Отмена.
#include "tst_kit_windows.h"

#include "core/league/score.h"
#include "core/league/standings.h"
#include "ui/dialogs/frmrules.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <memory>

using namespace testkit;
using soccer::Criterion;
using soccer::RankingRule;
using soccer::RulePreset;

namespace {

// Альфа and Бета both win twice. Альфа beat Бета 1:0, but Бета has the far better goal
// difference (+9 against +1): goal difference puts Бета first, head-to-head puts Альфа first.
// Гамма has 4 points, Дельта 1.
std::unique_ptr<soccer::League> headToHeadAgainstDifference() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = 4;
    const QStringList names = {QStringLiteral("Альфа"), QStringLiteral("Бета"),
                               QStringLiteral("Гамма"), QStringLiteral("Дельта")};
    for (int t = 1; t <= 4; ++t)
        league->teamNames[t] = names[t - 1];
    const struct {
        int row, column;
        const char *score;
    } matches[] = {{1, 2, "1 0"}, {3, 1, "1 0"}, {1, 4, "1 0"},
                   {2, 3, "5 0"}, {2, 4, "5 0"}, {3, 4, "0 0"}};
    for (const auto &match : matches) {
        if (soccer::enterScore(league->crossTables[1], match.row, match.column,
                               QString::fromLatin1(match.score)) != soccer::ScoreChange::Recorded)
            qFatal("match %d-%d not recorded", match.row, match.column);
    }
    return league;
}

// The dialog on a table, and what it handed back.
struct Opened {
    frmrules *dialog = nullptr;
    std::optional<RankingRule> returned;
    std::optional<soccer::PointsScheme> points;
    int calls = 0;
};

std::unique_ptr<Opened> openOn(const soccer::League &league) {
    auto opened = std::make_unique<Opened>();
    Opened *target = opened.get();
    opened->dialog = frmrules::create(nullptr, league, [target](const frmrules::Choice &choice) {
        target->returned = choice.rule;
        target->points = choice.points;
        ++target->calls;
    });
    return opened;
}

QComboBox *ruleBox(QWidget *dialog) {
    return control<QComboBox>(dialog, "cmbrule");
}

QStringList listTexts(QWidget *dialog, const char *name) {
    QStringList texts;
    auto *list = control<QListWidget>(dialog, name);
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList namesOf(const std::vector<Criterion> &criteria) {
    QStringList names;
    for (Criterion criterion : criteria)
        names << soccer::criterionName(criterion);
    return names;
}

QString previewText(QWidget *dialog, int row, int column) {
    const QTableWidgetItem *item = control<QTableWidget>(dialog, "tblpreview")->item(row, column);
    return item ? item->text() : QString();
}

QStringList previewColumn(QWidget *dialog, int column) {
    QStringList texts;
    const int rows = control<QTableWidget>(dialog, "tblpreview")->rowCount();
    for (int row = 0; row < rows; ++row)
        texts << previewText(dialog, row, column);
    return texts;
}

void choosePreset(QWidget *dialog, RulePreset preset) {
    ruleBox(dialog)->setCurrentIndex(
        int(std::ranges::find(soccer::kAllPresets, preset) - soccer::kAllPresets.begin()));
}

void selectIn(QWidget *dialog, const char *list, const QString &text) {
    auto *widget = control<QListWidget>(dialog, list);
    const QList<QListWidgetItem *> found = widget->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    widget->setCurrentItem(found.first());
}

void addCriterion(QWidget *dialog, Criterion criterion) {
    selectIn(dialog, "lstall", soccer::criterionName(criterion));
    click(dialog, "cmdadd");
}

} // namespace

class RulesDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // The points shown are counted in the preview at once; points no competition can have
    // are refused on OK with the reason, and the dialog stays.
    void pointsPerResult_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QList<int>>("typed"); // win, draw, loss; empty: the preset's
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("3-1-0") << 0 << QList<int>{} << QStringList{"6", "6", "4", "1"} << "";
        QTest::newRow("2-1-0") << 1 << QList<int>{} << QStringList{"4", "4", "3", "1"} << "";
        QTest::newRow("own 5-2-1")
            << 2 << QList<int>{5, 2, 1} << QStringList{"11", "11", "8", "4"} << "";
        // The preview keeps the last points that were a scheme: 3-0-0, typed on the way.
        QTest::newRow("a loss above a draw")
            << 2 << QList<int>{3, 0, 1} << QStringList{"6", "6", "3", "0"}
            << "Поражение не может стоить больше очков, чем ничья.";
    }
    void pointsPerResult() {
        QFETCH(int, preset);
        QFETCH(QList<int>, typed);
        QFETCH(QStringList, points);
        QFETCH(QString, refusal);
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QWidget *dialog = opened->dialog;
        control<QComboBox>(dialog, "cmbpoints")->setCurrentIndex(preset);
        const char *boxes[] = {"spnwin", "spndraw", "spnloss"};
        for (int i = 0; i < typed.size(); ++i)
            control<QSpinBox>(dialog, boxes[i])->setValue(typed[i]);
        QCOMPARE(previewColumn(dialog, 2), points);
        click(dialog, "cmdok");
        QCOMPARE(sandbox.prompter.askedTexts(),
                 refusal.isEmpty() ? QStringList() : QStringList{refusal});
        QCOMPARE(opened->calls, refusal.isEmpty() ? 1 : 0);
        QCOMPARE(dialog->isVisible(), !refusal.isEmpty());
        if (refusal.isEmpty())
            QCOMPARE(*opened->points, soccer::PointsScheme({typed.value(0, preset ? 2 : 3),
                                                            typed.value(1, 1), typed.value(2, 0)}));
    }

    void presetsAreListedByNameInOrder() {
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QCOMPARE(opened->dialog->windowTitle(), QStringLiteral("Правила турнира"));
        QVERIFY(opened->dialog->isModal());
        QComboBox *box = ruleBox(opened->dialog);
        QCOMPARE(box->count(), int(soccer::kAllPresets.size()));
        for (int index = 0; index < box->count(); ++index)
            QCOMPARE(box->itemText(index), soccer::presetName(soccer::kAllPresets[index]));
    }

    void startsFromTheTablesRule_data() {
        QTest::addColumn<RankingRule>("rule");
        QTest::addColumn<int>("index");
        QTest::newRow("program") << RankingRule() << 0;
        QTest::newRow("goals then head-to-head")
            << RankingRule::fromPreset(RulePreset::GoalsThenHeadToHead) << 1;
        QTest::newRow("head-to-head first")
            << RankingRule::fromPreset(RulePreset::HeadToHeadFirst) << 2;
        QTest::newRow("custom") << RankingRule::custom(
                                       {Criterion::GoalsFor, Criterion::HeadToHeadDifference})
                                << 3;
    }
    void startsFromTheTablesRule() {
        QFETCH(RankingRule, rule);
        QFETCH(int, index);
        Sandbox sandbox;
        auto league = headToHeadAgainstDifference();
        league->rankingRule = rule;
        const auto opened = openOn(*league);
        QCOMPARE(ruleBox(opened->dialog)->currentIndex(), index);
        QCOMPARE(listTexts(opened->dialog, "lstorder"), namesOf(rule.criteria()));
        QCOMPARE(listTexts(opened->dialog, "lstall").size() + int(rule.criteria().size()), 6);
        click(opened->dialog, "cmdok");
        QCOMPARE(opened->returned, std::optional(rule));
    }

    void choosingAPresetReturnsIt_data() {
        QTest::addColumn<RulePreset>("preset");
        for (RulePreset preset : soccer::kAllPresets) {
            if (preset != RulePreset::Custom)
                QTest::newRow(qPrintable(soccer::presetKey(preset))) << preset;
        }
    }
    void choosingAPresetReturnsIt() {
        QFETCH(RulePreset, preset);
        Sandbox sandbox;
        auto league = headToHeadAgainstDifference();
        // Start from a rule of another kind, so that the choice has to change something.
        league->rankingRule = RankingRule::custom({Criterion::Wins});
        const auto opened = openOn(*league);
        choosePreset(opened->dialog, preset);
        const RankingRule expected = RankingRule::fromPreset(preset);
        QCOMPARE(listTexts(opened->dialog, "lstorder"), namesOf(expected.criteria()));
        click(opened->dialog, "cmdok");
        QCOMPARE(opened->calls, 1);
        QCOMPARE(opened->returned, std::optional(expected));
        QTRY_VERIFY(!opened->dialog->isVisible());
    }

    // "Свой порядок" starts from the order shown, as a custom rule: its complete ties share a
    // place although the criteria are the program's.
    void customStartsFromTheOrderShown() {
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        choosePreset(opened->dialog, RulePreset::Custom);
        QCOMPARE(listTexts(opened->dialog, "lstorder"), namesOf(RankingRule().criteria()));
        click(opened->dialog, "cmdok");
        QCOMPARE(opened->returned, std::optional(RankingRule::custom(RankingRule().criteria())));
    }

    void customOrderIsReturnedExactly() {
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QWidget *dialog = opened->dialog;
        auto *order = control<QListWidget>(dialog, "lstorder");
        for (int removed = 0; removed < 3; ++removed) {
            order->setCurrentRow(0);
            click(dialog, "cmdremove");
        }
        QCOMPARE(order->count(), 0);
        QCOMPARE(ruleBox(dialog)->currentIndex(), 3); // an edited order is a custom one
        QVERIFY(!control<QPushButton>(dialog, "cmdremove")->isEnabled());

        addCriterion(dialog, Criterion::HeadToHeadPoints);
        addCriterion(dialog, Criterion::GoalsFor);
        addCriterion(dialog, Criterion::Wins);
        // The one just added is selected: two steps up bring wins to the top.
        QCOMPARE(order->currentRow(), 2);
        click(dialog, "cmdup");
        click(dialog, "cmdup");
        QVERIFY(!control<QPushButton>(dialog, "cmdup")->isEnabled());
        order->setCurrentRow(1);
        click(dialog, "cmddown");
        QVERIFY(!control<QPushButton>(dialog, "cmddown")->isEnabled());
        const std::vector<Criterion> expected = {Criterion::Wins, Criterion::GoalsFor,
                                                 Criterion::HeadToHeadPoints};
        QCOMPARE(listTexts(dialog, "lstorder"), namesOf(expected));
        // The others stay on the left in their usual order.
        QCOMPARE(listTexts(dialog, "lstall"),
                 namesOf({Criterion::GoalDifference, Criterion::HeadToHeadDifference,
                          Criterion::HeadToHeadGoalsFor}));
        click(dialog, "cmdok");
        QCOMPARE(opened->returned, std::optional(RankingRule::custom(expected)));
    }

    void customOrderSurvivesALookAtAPreset() {
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QWidget *dialog = opened->dialog;
        addCriterion(dialog, Criterion::HeadToHeadGoalsFor);
        const QStringList assembled = listTexts(dialog, "lstorder");
        choosePreset(dialog, RulePreset::HeadToHeadFirst);
        QVERIFY(listTexts(dialog, "lstorder") != assembled);
        choosePreset(dialog, RulePreset::Custom);
        QCOMPARE(listTexts(dialog, "lstorder"), assembled);
    }

    void keyboardAloneAssemblesAndCancels() {
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QWidget *dialog = opened->dialog;
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *all = control<QListWidget>(dialog, "lstall");
        all->setFocus();
        all->setCurrentRow(0);
        QTest::keyClick(all, Qt::Key_Return); // the first head-to-head criterion moves across
        QCOMPARE(listTexts(dialog, "lstorder").last(),
                 soccer::criterionName(Criterion::HeadToHeadPoints));
        auto *order = control<QListWidget>(dialog, "lstorder");
        order->setFocus();
        order->setCurrentRow(0);
        QTest::keyClick(order, Qt::Key_Return); // and wins go back
        QVERIFY(!listTexts(dialog, "lstorder").contains(soccer::criterionName(Criterion::Wins)));
        QTest::keyClick(order, Qt::Key_Escape);
        QTRY_VERIFY(!opened->dialog->isVisible());
        QCOMPARE(opened->calls, 0);
    }

    void previewFollowsTheChoice_data() {
        QTest::addColumn<RankingRule>("rule");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("places");
        QTest::addColumn<QString>("firstReason");
        QTest::newRow("program") << RankingRule() << QStringList{"БЕТА", "АЛЬФА", "ГАММА", "ДЕЛЬТА"}
                                 << QStringList{"1", "2", "3", "4"}
                                 << QStringLiteral("по разнице мячей: +9 – +1");
        QTest::newRow("head-to-head first")
            << RankingRule::fromPreset(RulePreset::HeadToHeadFirst)
            << QStringList{"АЛЬФА", "БЕТА", "ГАММА", "ДЕЛЬТА"} << QStringList{"1", "2", "3", "4"}
            << QStringLiteral("по личным встречам: очки 3 – 0");
        QTest::newRow("wins only") << RankingRule::custom({Criterion::Wins})
                                   << QStringList{"АЛЬФА", "БЕТА", "ГАММА", "ДЕЛЬТА"}
                                   << QStringList{"1–2", "1–2", "3", "4"} << QString();
    }
    void previewFollowsTheChoice() {
        QFETCH(RankingRule, rule);
        QFETCH(QStringList, names);
        QFETCH(QStringList, places);
        QFETCH(QString, firstReason);
        Sandbox sandbox;
        auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QWidget *dialog = opened->dialog;
        // Every preview is reached from another choice, never just shown at opening.
        choosePreset(dialog, RulePreset::GoalsThenHeadToHead);
        if (rule.preset() == RulePreset::Custom) {
            choosePreset(dialog, RulePreset::Custom);
            auto *order = control<QListWidget>(dialog, "lstorder");
            while (order->count() > 0) {
                order->setCurrentRow(0);
                click(dialog, "cmdremove");
            }
            for (Criterion criterion : rule.criteria())
                addCriterion(dialog, criterion);
        } else {
            choosePreset(dialog, rule.preset());
        }
        QCOMPARE(opened->dialog->rule(), rule);
        QCOMPARE(previewColumn(dialog, 1), names);
        QCOMPARE(previewColumn(dialog, 0), places);
        QCOMPARE(previewColumn(dialog, 2), (QStringList{"6", "6", "4", "1"}));
        QCOMPARE(previewText(dialog, 0, 3), firstReason);
        QCOMPARE(control<QTableWidget>(dialog, "tblpreview")->item(0, 1)->toolTip(), firstReason);
        // Points decide between the second and the third: no reason needed.
        QCOMPARE(previewText(dialog, 1, 3), QString());
    }

    void cancelReturnsNothing() {
        Sandbox sandbox;
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        choosePreset(opened->dialog, RulePreset::HeadToHeadFirst);
        click(opened->dialog, "cmdotm");
        QTRY_VERIFY(!opened->dialog->isVisible());
        QCOMPARE(opened->calls, 0);

        const auto again = openOn(*league);
        choosePreset(again->dialog, RulePreset::HeadToHeadFirst);
        again->dialog->close(); // the window's close button
        QCOMPARE(again->calls, 0);
    }

    void previewingLeavesTheTableAlone() {
        Sandbox sandbox;
        auto league = headToHeadAgainstDifference();
        // The table shown ordered by goals against, which no rule gives.
        soccer::orderByCounter(*league, soccer::Counter::GoalsAgainst);
        const auto shown = league->standingsOrder;
        const auto opened = openOn(*league);
        for (RulePreset preset : soccer::kAllPresets)
            choosePreset(opened->dialog, preset);
        choosePreset(opened->dialog, RulePreset::Program);
        addCriterion(opened->dialog, Criterion::HeadToHeadPoints);
        click(opened->dialog, "cmdok");
        QVERIFY(opened->returned.has_value());
        QCOMPARE(league->standingsOrder, shown);
        QCOMPARE(league->rankingRule, RankingRule());
    }

    void longNamesAreShownWhole() {
        Sandbox sandbox;
        auto league = headToHeadAgainstDifference();
        league->teamNames[3] = QStringLiteral("Футбольный клуб имени первого председателя");
        const auto opened = openOn(*league);
        auto *preview = control<QTableWidget>(opened->dialog, "tblpreview");
        const QFontMetrics metrics(preview->font());
        QCOMPARE(previewText(opened->dialog, 2, 1), league->teamNames[3].toUpper());
        QVERIFY(preview->columnWidth(1) >
                metrics.horizontalAdvance(league->teamNames[3].toUpper()));
    }

    void coloursFollowTheScheme() {
        Sandbox sandbox(unusualScheme());
        const auto league = headToHeadAgainstDifference();
        const auto opened = openOn(*league);
        QWidget *dialog = opened->dialog;
        QCOMPARE(backgroundOf(dialog), QColor(10, 20, 30));
        QCOMPARE(textColorOf(control<QLabel>(dialog, "lblpreview")), QColor(200, 210, 220));
        auto *preview = control<QTableWidget>(dialog, "tblpreview");
        // As the results grid: the first position in the second colour, the next in the main.
        QCOMPARE(preview->item(0, 0)->background().color(), QColor(40, 50, 60));
        QCOMPARE(preview->item(1, 3)->background().color(), QColor(10, 20, 30));
        choosePreset(dialog, RulePreset::HeadToHeadFirst);
        QCOMPARE(preview->item(0, 2)->background().color(), QColor(40, 50, 60));
    }
};

QTEST_MAIN(RulesDialogTest)
#include "tst_ui_dialogs_rules.moc"
