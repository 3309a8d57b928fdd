// The published tables and their writers: what a table holds, and how HTML, CSV and terminal
// text carry it without losing or breaking a name, and the web page's chart of places.
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/publish/csvtable.h"
#include "core/publish/displaywidth.h"
#include "core/publish/htmlpage.h"
#include "core/publish/publishedtables.h"
#include "core/publish/terminaltable.h"
#include "tst_kit_season.h"
#include "tst_publish_kit.h"

#include <QtTest>
#include <memory>

using namespace soccer;
using publishkit::columnTexts;
using publishkit::smallLeague;

namespace {

const QDate kDay(2016, 5, 14);

QStringList headers(const PublishedTable &table) {
    QStringList texts;
    for (const PublishedColumn &column : table.columns)
        texts.append(column.header);
    return texts;
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT

  private slots:
    void resultsFollowTheRankingNotTheWindow();
    void resultsShowEveryTotalAndTheDifference();
    void crossTableShowsTheHalfAsTheGridDoes();
    void titleIsTheFileNameWithoutExtension_data();
    void titleIsTheFileNameWithoutExtension();
    void csvFieldQuotesOnlyWhatNeedsIt_data();
    void csvFieldQuotesOnlyWhatNeedsIt();
    void csvFileReadsBackAsTheTable();
    void csvGuardsTextsAgainstFormulasNotNumbers_data();
    void csvGuardsTextsAgainstFormulasNotNumbers();
    void htmlPageIsWellFormedAndHoldsTheTables();
    void htmlPageShowsTheChartAfterTheTables_data();
    void htmlPageShowsTheChartAfterTheTables();
    void htmlEscapesMarkupAndDropsWhatXmlForbids_data();
    void htmlEscapesMarkupAndDropsWhatXmlForbids();
    void displayWidthCountsTerminalColumns_data();
    void displayWidthCountsTerminalColumns();
    void terminalTableAlignsByDisplayWidth();
};

void TestPublish::resultsFollowTheRankingNotTheWindow() {
    auto league = smallLeague();
    orderByCounter(*league, Counter::GoalsAgainst); // what the window might show now
    const auto shownOrder = league->standingsOrder;

    const PublishedTable table = publishedResults(*league);
    QCOMPARE(table.caption, QStringLiteral("Таблица результатов"));
    // Points: Гамма 9, Дельта 3, Альфа 1 and Бета 1 (no wins, goal difference -2 and -4).
    QCOMPARE(columnTexts(table, 1), QStringList({QStringLiteral("Гамма"), QStringLiteral("Дельта"),
                                                 QStringLiteral("Альфа"), QStringLiteral("Бета")}));
    QCOMPARE(columnTexts(table, 0), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(league->standingsOrder, shownOrder);
}

void TestPublish::resultsShowEveryTotalAndTheDifference() {
    auto league = smallLeague();
    // A typed fractional score in the second half shows as the grids show it, with a full stop.
    enterScore(league->crossTables[2], 2, 1, QStringLiteral("1.5 0"));
    const PublishedTable table = publishedResults(*league);
    QCOMPARE(headers(table), QStringList({"Место", "Команда", "Игры", "Поражения", "Ничьи",
                                          "Победы", "Забито", "Пропущено", "Очки", "Разница"}));
    QCOMPARE(table.rowHeaderColumns(), 2);
    QStringList beta;
    for (const PublishedCell &cell : table.rows[1])
        beta.append(cell.text);
    // Бета: 4 played (3 in the first half, 1 in the second), 2 lost, 1 drawn, 1 won, goals 6.5
    // for and 9 against; its 4 points put it above Дельта's 3.
    QCOMPARE(beta, QStringList({"2", "Бета", "4", "2", "1", "1", "6.5", "9", "4", "-2.5"}));
}

void TestPublish::crossTableShowsTheHalfAsTheGridDoes() {
    auto league = smallLeague();
    const PublishedTable table = publishedCrossTable(*league, 1);
    QCOMPARE(table.kind, PublishedTableKind::FirstHalf);
    QCOMPARE(table.caption, QStringLiteral("Шахматная таблица (1)"));
    QCOMPARE(headers(table), QStringList({"№", "Команда", "1", "2", "3", "4", "Игры", "Поражения",
                                          "Ничьи", "Победы", "Забито", "Пропущено", "Очки"}));
    QCOMPARE(table.columns[4].description, QStringLiteral("Гамма"));
    QCOMPARE(table.rowHeaderColumns(), 2);
    QCOMPARE(table.rows.size(), std::size_t(4));
    const auto &gamma = table.rows[2];
    QCOMPARE(gamma[0].text, QStringLiteral("3"));
    QCOMPARE(gamma[1].text, QStringLiteral("Гамма"));
    QCOMPARE(gamma[2].text, QStringLiteral("2: 0")); // stored as ' 2: 0'
    QCOMPARE(gamma[3].text, QStringLiteral("5: 4"));
    QVERIFY(gamma[4].ownMatch);
    QVERIFY(!gamma[3].ownMatch);
    QCOMPARE(gamma[5].text, QStringLiteral("1: 0"));
    QCOMPARE(table.rows[0][4].text, QStringLiteral("0: 2"));
    QCOMPARE(gamma.back().text, QStringLiteral("9"));
    // The second half has nothing yet: empty cells, zero statistics.
    const PublishedTable second = publishedCrossTable(*league, 2);
    QCOMPARE(second.caption, QStringLiteral("Шахматная таблица (2)"));
    QCOMPARE(second.rows[2][2].text, QString());
    QCOMPARE(second.rows[2].back().text, QStringLiteral("0"));
}

void TestPublish::titleIsTheFileNameWithoutExtension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("windows path") << "c:/tables/PRIMER.TFL"
                                  << "PRIMER";
    QTest::newRow("dots in the name") << "/srv/season.2015-16.TFL"
                                      << "season.2015-16";
    QTest::newRow("blanks and Cyrillic") << "/home/u/Весна 2016.txt"
                                         << "Весна 2016";
    QTest::newRow("no extension") << "/tmp/table"
                                  << "table";
    QTest::newRow("no path") << ""
                             << "";
}

void TestPublish::titleIsTheFileNameWithoutExtension() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(publicationTitle(path), title);
}

void TestPublish::csvFieldQuotesOnlyWhatNeedsIt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Спартак"
                           << "Спартак";
    QTest::newRow("number") << "-1.5"
                            << "-1.5";
    QTest::newRow("comma stays bare") << "a,b"
                                      << "a,b";
    QTest::newRow("separator") << "a;b"
                               << "\"a;b\"";
    QTest::newRow("quotes doubled") << "Клуб \"Юг\""
                                    << "\"Клуб \"\"Юг\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("blank kept at the end") << "Юг "
                                           << "\"Юг \"";
    QTest::newRow("empty") << ""
                           << "";
}

void TestPublish::csvFieldQuotesOnlyWhatNeedsIt() {
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
}

void TestPublish::csvFileReadsBackAsTheTable() {
    auto league = smallLeague();
    league->teamNames[2] = QStringLiteral("Бета <&; \"Юг\"");
    const PublishedTable table = publishedCrossTable(*league, 1);
    const QByteArray bytes = csvTable(table);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QList<QStringList> records = publishkit::parseCsv(bytes.mid(3));
    QCOMPARE(records.size(), 5);
    QCOMPARE(records[0], headers(table));
    for (int r = 0; r < 4; ++r)
        QCOMPARE(records[r + 1], [&] {
            QStringList texts;
            for (const PublishedCell &cell : table.rows[std::size_t(r)])
                texts.append(cell.text);
            return texts;
        }());
    QCOMPARE(records[2][1], QStringLiteral("Бета <&; \"Юг\""));
}

void TestPublish::csvGuardsTextsAgainstFormulasNotNumbers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("guarded");
    for (const char *name : {"=1+2", "+7 495", "-2+3", "-2", "@SUM(A1)", "\tТаб", "\rЮг"})
        QTest::newRow(name) << QString::fromUtf8(name) << true;
    QTest::newRow("= inside") << QStringLiteral("Альфа=Бета") << false;
    QTest::newRow("apostrophe of its own") << QStringLiteral("'Бета") << false;
}

void TestPublish::csvGuardsTextsAgainstFormulasNotNumbers() {
    QFETCH(QString, name);
    QFETCH(bool, guarded);
    auto league = smallLeague();
    league->teamNames[1] = name;
    const QList<QStringList> records =
        publishkit::parseCsv(csvTable(publishedResults(*league)).mid(3));
    // Альфа, third on 1 point with a goal difference of -2: the name guarded, numbers as they are.
    QCOMPARE(records[3][1], guarded ? QLatin1Char('\'') + name : name);
    QCOMPARE(records[3].mid(8, 2), QStringList({"1", "-2"}));
}

void TestPublish::htmlPageIsWellFormedAndHoldsTheTables() {
    auto league = smallLeague();
    league->teamNames[2] = QStringLiteral("Бета <&; \"Юг\"");
    const QByteArray bytes = htmlPage(fullPublication(*league, kDay));
    QVERIFY(bytes.startsWith("<!DOCTYPE html>"));
    QVERIFY(!bytes.contains("Бета <&"));
    const publishkit::HtmlPage page = publishkit::readHtmlPage(bytes);
    QCOMPARE(page.error, QString());
    QCOMPARE(page.lang, QStringLiteral("ru"));
    QCOMPARE(page.heading, QStringLiteral("Весна 2016"));
    QCOMPARE(page.date, QStringLiteral("2016-05-14"));
    QVERIFY(bytes.contains("14.05.2016"));
    QCOMPARE(page.tables.size(), 3);
    QCOMPARE(page.tables[0].caption, QStringLiteral("Таблица результатов"));
    QCOMPARE(page.tables[1].caption, QStringLiteral("Шахматная таблица (1)"));
    QCOMPARE(page.tables[2].caption, QStringLiteral("Шахматная таблица (2)"));
    const publishkit::HtmlTable &cross = page.tables[1];
    QCOMPARE(cross.headerTitles[3], QStringLiteral("Бета <&; \"Юг\""));
    QCOMPARE(cross.rows[1][1], QStringLiteral("Бета <&; \"Юг\""));
    QCOMPARE(cross.rows[2][2], QStringLiteral("2: 0"));
    QCOMPARE(cross.rowClasses[2][4], QStringLiteral("own"));
    QCOMPARE(cross.rowClasses[2][3], QString());
    // The points, kept in view on a phone.
    QCOMPARE(cross.rowClasses[2][12], QStringLiteral("points"));
    QCOMPARE(page.tables[0].rowClasses[0][8], QStringLiteral("points"));
    QCOMPARE(page.tables[0].rows[0].mid(0, 2), QStringList({"1", "Гамма"}));
}

void TestPublish::htmlPageShowsTheChartAfterTheTables_data() {
    QTest::addColumn<bool>("calendar");
    QTest::newRow("rounds played") << true;
    QTest::newRow("no calendar") << false;
}

// One SVG picture in a figure after the tables, the page still well-formed XML whatever the
// names; without a round played nothing of it.
void TestPublish::htmlPageShowsTheChartAfterTheTables() {
    QFETCH(bool, calendar);
    auto league = seasonkit::importedSeason();
    league->teamNames[2] = QStringLiteral("Бета <&; \"Юг\"");
    if (!calendar)
        league->calendar = {};
    Publication publication = fullPublication(*league, kDay);
    publication.chart = publishedChart(*league);
    const QByteArray bytes = htmlPage(publication);
    QCOMPARE(publishkit::readHtmlPage(bytes).error, QString());
    QCOMPARE(bytes.count("<svg "), qsizetype(calendar));
    QCOMPARE(bytes.count(QStringLiteral("</div>\n<figure class=\"chart\">\n<figcaption>График "
                                        "мест</figcaption>\n<svg ")
                             .toUtf8()),
             qsizetype(calendar));
    // Neither the chart's style nor its figure on a page without it.
    QCOMPARE(bytes.contains("chart"), calendar);
}

void TestPublish::htmlEscapesMarkupAndDropsWhatXmlForbids_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("markup") << "<b>&\"'"
                            << "&lt;b&gt;&amp;&quot;&#39;";
    QTest::newRow("Cyrillic untouched") << "Торпедо №1"
                                        << "Торпедо №1";
    QTest::newRow("control character") << QString("a") + QChar(0x01) + "b"
                                       << "a\uFFFDb";
    QTest::newRow("tab kept") << "a\tb"
                              << "a\tb";
    QTest::newRow("lone surrogate") << QString("a") + QChar(0xD800) << "a\uFFFD";
    QTest::newRow("pair kept") << QString::fromUcs4(U"\U0001F3C6")
                               << QString::fromUcs4(U"\U0001F3C6");
    QTest::newRow("non-character") << QString(QChar(0xFFFE)) << "\uFFFD";
}

void TestPublish::htmlEscapesMarkupAndDropsWhatXmlForbids() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(htmlEscaped(text), escaped);
}

void TestPublish::displayWidthCountsTerminalColumns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("ASCII") << "Abc 12" << 6;
    QTest::newRow("Cyrillic") << "Спартак" << 7;
    QTest::newRow("CJK") << "東京" << 4;
    QTest::newRow("full-width digits") << "１２" << 4;
    QTest::newRow("combining accent") << "e\u0301" << 1;
    QTest::newRow("football emoji") << QString::fromUcs4(U"\u26BD") << 2;
    QTest::newRow("astral CJK") << QString::fromUcs4(U"\U00020000") << 2;
    QTest::newRow("empty") << "" << 0;
}

void TestPublish::displayWidthCountsTerminalColumns() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(displayWidth(text), width);
}

void TestPublish::terminalTableAlignsByDisplayWidth() {
    auto league = smallLeague();
    league->teamNames[1] = QStringLiteral("東京");
    league->teamNames[4] = QStringLiteral("Cafe\u0301 \x1b[31m");
    const QString text = terminalTable(publishedResults(*league));
    QVERIFY(!text.contains(QChar(0x1b)));
    QStringList lines = text.split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 6); // header, rule, four teams
    QVERIFY(lines[1].startsWith(QStringLiteral("-----")));
    // The last column is right-aligned, so every line ends at the same screen column; the
    // first number column ends at the same column in every line too.
    const int width = displayWidth(lines[0]);
    const int gamesEnd = displayWidth(lines[0].left(lines[0].indexOf(QStringLiteral("Игры")) + 4));
    for (const QString &line : lines) {
        QCOMPARE(displayWidth(line), width);
        if (line.startsWith(u'-'))
            continue;
        // The column of "Игры" ends where the played count of each team ends.
        int column = 0;
        qsizetype i = 0;
        for (; i < line.size() && column < gamesEnd; ++i)
            column += displayWidth(line.mid(i, 1));
        QVERIFY2(column == gamesEnd && !line[i - 1].isSpace(), qPrintable(line));
    }
}

QTEST_APPLESS_MAIN(TestPublish)
#include "tst_core_publish.moc"
