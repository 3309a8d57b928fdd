// The calendar in the main window: the draw dialog, the round view with the keyboard alone,
// and a match moved or its home and away swapped, each undone.
#include "core/season/draw.h"
#include "core/season/roundtext.h"
#include "tst_kit_mainwindow.h"
#include "ui/dialogs/frmcalendar.h"
#include "ui/main/roundmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

using namespace testkit;
using platform::Answer;

namespace {

const QStringList kTeams = {"Спартак", "Динамо", "Зенит", "Торпедо", "Локомотив", "Ротор"};
const QDate kFirstDay(2026, 8, 15);

const soccer::DrawOptions kDated{kFirstDay, 7, false, 0};

std::unique_ptr<soccer::League> drawnLeague(const soccer::DrawOptions &options) {
    auto league = namedLeague(kTeams);
    league->calendar = soccer::drawCalendar(league->teamCount, options);
    return league;
}

frmtable *openActive(Sandbox &sandbox, const QString &path) {
    frmtable *window = sandbox.open(path);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the window did not become active");
    return window;
}

QListView *matchList(frmtable *window) {
    return control<QListView>(window, "lsttour");
}

QStringList shownLines(frmtable *window) {
    QStringList lines;
    QAbstractItemModel *model = matchList(window)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

// The round view's lines of `round` as the core words them, title aside.
QStringList expectedLines(const soccer::League &league, int round) {
    return soccer::roundLines(league, soccer::seasonMatches(league), round).mid(1);
}

void showRound(frmtable *window, int round) {
    window->protours();
    auto *rounds = control<QComboBox>(window, "cmbtour");
    rounds->setCurrentIndex(rounds->findData(round));
}

void key(frmtable *window, Qt::Key pressed) {
    QTest::keyClick(matchList(window), pressed);
}

// The file's bytes without its calendar lines.
QByteArray withoutCalendar(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the saved table cannot be read");
    QByteArray kept;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.startsWith("calendar: "))
            kept += line + '\n';
    }
    return kept;
}

void save(Sandbox &sandbox, frmtable *window) {
    sandbox.prompter.queueAnswer(Answer::Yes);
    window->prosave();
}

} // namespace

class TestMainWindowCalendar : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void drawIsPreviewedAndOneStep_data();
    void drawIsPreviewedAndOneStep();
    void roundEnteredByKeysSavesAsTheCrossTable_data();
    void roundEnteredByKeysSavesAsTheCrossTable();
    void matchChangesAreOneStepEach_data();
    void matchChangesAreOneStepEach();
    void tableWithoutCalendarOffersNoRounds();
};

void TestMainWindowCalendar::drawIsPreviewedAndOneStep_data() {
    QTest::addColumn<bool>("noDates");
    QTest::addColumn<bool>("byLot");
    QTest::addColumn<bool>("existing"); // the table has a calendar before the draw
    QTest::addColumn<bool>("agree");    // to replace it
    QTest::addColumn<QString>("title");
    QTest::newRow("dated, as they stand")
        << false << false << false << true << "Тур 1 — 15.08.2026";
    QTest::newRow("no dates, by lot") << true << true << false << true << "Тур 1";
    QTest::newRow("over a calendar, agreed")
        << false << true << true << true << "Тур 1 — 15.08.2026";
    QTest::newRow("over a calendar, refused") << true << false << true << false << "Тур 1";
}

// The preview follows the options; OK draws that calendar as one step, and undo gives back
// the calendar the table had.
void TestMainWindowCalendar::drawIsPreviewedAndOneStep() {
    QFETCH(bool, noDates);
    QFETCH(bool, byLot);
    QFETCH(bool, existing);
    QFETCH(bool, agree);
    QFETCH(QString, title);
    Sandbox sandbox;
    const auto start =
        existing ? drawnLeague({QDate(2020, 1, 1), 3, true, 5}) : namedLeague(kTeams);
    frmtable *window = openActive(sandbox, sandbox.table("t.TFL", *start));
    const soccer::Calendar before = window->league().calendar;
    window->procalendar();
    auto *dialog = window->findChild<frmcalendar *>();
    QVERIFY(dialog);
    control<QDateEdit>(dialog, "dtpfirst")->setDate(kFirstDay);
    control<QSpinBox>(dialog, "spnevery")->setValue(4);
    control<QCheckBox>(dialog, "chknodates")->setChecked(noDates);
    control<QRadioButton>(dialog, byLot ? "optlot" : "optstand")->setChecked(true);

    const soccer::DrawOptions options = dialog->options();
    QCOMPARE(options.firstDate, noDates ? QDate() : kFirstDay);
    QCOMPARE(options.shuffle, byLot);
    auto drawn = namedLeague(kTeams);
    drawn->calendar = soccer::drawCalendar(drawn->teamCount, options);
    QStringList preview;
    auto *list = control<QListWidget>(dialog, "lstpreview");
    for (int row = 0; row < list->count(); ++row)
        preview << list->item(row)->text();
    QCOMPARE(preview.first(), title);
    QCOMPARE(preview.mid(1), expectedLines(*drawn, 1));

    if (existing)
        sandbox.prompter.queueAnswer(agree ? Answer::Yes : Answer::No);
    click(dialog, "cmdok");
    QCOMPARE(sandbox.prompter.askedTexts(),
             existing ? QStringList{"В таблице уже есть календарь. Заменить его новым?"}
                      : QStringList{});
    QCOMPARE(window->league().calendar, agree ? drawn->calendar : before);
    QCOMPARE(window->league().crossTables[1].cells, start->crossTables[1].cells);
    if (!agree)
        return;
    QCOMPARE(shownLines(window), expectedLines(*drawn, 1));
    window->proundo();
    QCOMPARE(window->league().calendar, before);
    QCOMPARE(shownLines(window).isEmpty(), !existing);
}

void TestMainWindowCalendar::roundEnteredByKeysSavesAsTheCrossTable_data() {
    QTest::addColumn<int>("round");
    QTest::newRow("first half") << 1;
    QTest::newRow("second half") << 7;
}

// Enter on each match and Down to the next; the cells are those a click on the home team's row
// and the away team's column would fill, so the table saves the same bytes.
void TestMainWindowCalendar::roundEnteredByKeysSavesAsTheCrossTable() {
    QFETCH(int, round);
    Sandbox sandbox;
    const auto league = drawnLeague(kDated);
    frmtable *window = openActive(sandbox, sandbox.table("keys.TFL", *league));
    showRound(window, round);
    const std::vector<soccer::SeasonMatch> matches =
        soccer::roundMatches(soccer::seasonMatches(*league), round);
    QCOMPARE(int(matches.size()), 3);
    for (int k = 0; k < 3; ++k) {
        sandbox.prompter.queueInput(QStringLiteral("%1 %2").arg(k + 1).arg(k));
        key(window, Qt::Key_Return);
        key(window, Qt::Key_Down);
    }
    const QString asked = sandbox.prompter.asked().first().text;
    QCOMPARE(asked, QStringLiteral("Введите счет между:  ") + league->teamNames[matches[0].home] +
                        QStringLiteral("  ") + league->teamNames[matches[0].away]);
    QCOMPARE(shownLines(window), expectedLines(window->league(), round));
    QVERIFY(shownLines(window).first().endsWith(QStringLiteral("  1:0")));
    save(sandbox, window);

    frmtable *cells = openActive(sandbox, sandbox.table("cells.TFL", *namedLeague(kTeams)));
    for (int k = 0; k < 3; ++k) {
        const soccer::SeasonMatch &m = matches[std::size_t(k)];
        TableGrid *shown = grid(cells, m.half == 1 ? "MS" : "ms1");
        shown->setCurrentCell(m.home, m.away + 1);
        sandbox.prompter.queueInput(QStringLiteral("%1 %2").arg(k + 1).arg(k));
        m.half == 1 ? cells->MS_Click() : cells->ms1_Click();
    }
    save(sandbox, cells);
    QVERIFY(sandbox.prompter.allAnswersUsed());
    QCOMPARE(withoutCalendar(sandbox.path("keys.TFL")), withoutCalendar(sandbox.path("cells.TFL")));
}

void TestMainWindowCalendar::matchChangesAreOneStepEach_data() {
    QTest::addColumn<Qt::Key>("pressed");
    QTest::addColumn<QString>("answer"); // to the move prompt
    QTest::addColumn<int>("round");      // the round that shows the match afterwards
    QTest::addColumn<QString>("line");   // its line there
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("roundsAdded"); // to the rounds offered
    QTest::newRow("moved") << Qt::Key_F6 << "4 01.10.2026" << 4
                           << "Спартак – Ротор  2:1  (перенесён)"
                           << "перенос матча Спартак – Ротор" << 0;
    QTest::newRow("moved far") << Qt::Key_F6 << "999" << 999 << "Спартак – Ротор  2:1  (перенесён)"
                               << "перенос матча Спартак – Ротор" << 1;
    QTest::newRow("swapped") << Qt::Key_F7 << "" << 1 << "Ротор – Спартак  1:2"
                             << "обмен хозяев и гостей Спартак – Ротор" << 0;
    QTest::newRow("no round") << Qt::Key_F6 << "сорок" << 1 << "Спартак – Ротор  2:1"
                              << "" << 0;
}

// A result entered in the cross-table shows in the round at once; the change of its match is
// one step, and undo puts the calendar back.
void TestMainWindowCalendar::matchChangesAreOneStepEach() {
    QFETCH(Qt::Key, pressed);
    QFETCH(QString, answer);
    QFETCH(int, round);
    QFETCH(QString, line);
    QFETCH(QString, step);
    QFETCH(int, roundsAdded);
    Sandbox sandbox;
    const auto league = drawnLeague(kDated);
    frmtable *window = openActive(sandbox, sandbox.table("t.TFL", *league));
    showRound(window, 1);
    QCOMPARE(shownLines(window).first(), QStringLiteral("Спартак – Ротор  "));
    grid(window, "MS")->setCurrentCell(1, 7);
    sandbox.prompter.queueInput(QStringLiteral("2 1"));
    window->MS_Click();
    QCOMPARE(shownLines(window).first(), QStringLiteral("Спартак – Ротор  2:1"));
    const QStringList roundBefore = shownLines(window);

    if (!answer.isEmpty())
        sandbox.prompter.queueInput(answer);
    key(window, pressed);
    showRound(window, round);
    QVERIFY(shownLines(window).contains(line));
    QCOMPARE(control<QComboBox>(window, "cmbtour")->count(),
             soccer::roundCount(league->calendar) + roundsAdded);
    QCOMPARE(window->league().crossTables[1].cells[6][1], QStringLiteral(" 1: 2"));
    if (step.isEmpty()) {
        QCOMPARE(window->league().calendar, league->calendar);
        QCOMPARE(sandbox.prompter.asked().last().icon, platform::Icon::Critical);
        return;
    }
    QCOMPARE(control<QAction>(window, "mnuundo")->text(), QStringLiteral("&Отменить ") + step);
    window->proundo();
    QCOMPARE(window->league().calendar, league->calendar);
    showRound(window, 1);
    QCOMPARE(shownLines(window), roundBefore);
}

void TestMainWindowCalendar::tableWithoutCalendarOffersNoRounds() {
    Sandbox sandbox;
    frmtable *window = openActive(sandbox, sandbox.table("t.TFL", *namedLeague(kTeams)));
    window->protours();
    QVERIFY(control<QLabel>(window, "lblnotours")->isVisible());
    QVERIFY(!control<QComboBox>(window, "cmbtour")->isVisible());
    QCOMPARE(control<QComboBox>(window, "cmbtour")->count(), 0);
    QVERIFY(!grid(window, "MS")->isVisible());
}

QTEST_MAIN(TestMainWindowCalendar)
#include "tst_ui_calendar.moc"
