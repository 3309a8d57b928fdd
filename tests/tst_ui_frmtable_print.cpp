// "Печать..." from the main window: the print preview shows the pages planned for the table in
// the window, turned as a printer turns them, and closing it leaves the table as it was.
#include "tst_bundesliga_kit.h"
#include "tst_kit_mainwindow.h"

#include "core/files/spelling.h"
#include "core/files/tablefile.h"
#include "core/publish/publishedtables.h"
#include "publish/pageplan.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

using namespace testkit;

namespace {

std::unique_ptr<soccer::League> season() {
    auto league = std::make_unique<soccer::League>();
    bundesliga::replaySeason(*league);
    for (int team = 1; team <= league->teamCount; ++team)
        league->teamNames[team] = soccer::nearestStorableSpelling(league->teamNames[team]);
    return league;
}

// What the open preview shows, read before it is closed with Отмена.
struct Preview {
    bool opened = false;
    QString title;
    bool landscape = false;
    int pages = -1;
};

Preview previewShownBy(QAction *print) {
    Preview seen;
    QTimer::singleShot(0, print, [&seen] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.opened = true;
        seen.title = dialog->windowTitle();
        seen.landscape = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
        if (auto *widget = dialog->findChild<QPrintPreviewWidget *>()) {
            widget->updatePreview();
            seen.pages = widget->pageCount();
        }
        dialog->reject();
    });
    print->trigger();
    return seen;
}

} // namespace

class TestMainWindowPrint : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { deleteAllWindows(); }

    void previewShowsThePlannedPages_data();
    void previewShowsThePlannedPages();
};

void TestMainWindowPrint::previewShowsThePlannedPages_data() {
    QTest::addColumn<int>("teams");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("pages");
    // Four teams fit upright: one page per table. The season's cross-tables need landscape
    // pages, and a printer keeps one orientation, so the results are printed turned as well;
    // a table of 18 rows fits one page at any size. Sixty teams: the results on 3 landscape
    // pages, each cross-table in 3 bands of columns by 2 runs of rows.
    QTest::newRow("4 teams") << 4 << false << 3;
    QTest::newRow("Bundesliga") << 18 << true << 3;
    QTest::newRow("60 teams") << 60 << true << 3 + 6 + 6;
}

void TestMainWindowPrint::previewShowsThePlannedPages() {
    QFETCH(int, teams);
    QFETCH(bool, landscape);
    QFETCH(int, pages);
    Sandbox sandbox;
    const QString path = teams == 18 ? sandbox.table(QStringLiteral("Бундеслига.TFL"), *season())
                                     : sandbox.blankTable(QStringLiteral("t.TFL"), teams);
    frmtable *window = sandbox.open(path);
    QCOMPARE(window->league().teamCount, teams);
    window->prochess();
    const QByteArray before = soccer::tableBytes(window->league());
    const QStringList shownBefore = column(grid(window, "MS"), 1);

    const Preview seen = previewShownBy(control<QAction>(window, "mnuprint"));

    QVERIFY(seen.opened);
    QCOMPARE(seen.title, QStringLiteral("Печать"));
    QCOMPARE(seen.landscape, landscape);
    const auto orientation =
        landscape ? publish::Orientation::Landscape : publish::Orientation::Portrait;
    const soccer::Publication publication =
        soccer::fullPublication(window->league(), QDate::currentDate());
    QCOMPARE(seen.pages, int(publish::planPages(publication, orientation).size()));
    QCOMPARE(seen.pages, pages);
    QCOMPARE(soccer::tableBytes(window->league()), before);
    QVERIFY(grid(window, "MS")->isVisible());
    QCOMPARE(column(grid(window, "MS"), 1), shownBefore);
    QCOMPARE(sandbox.prompter.asked().size(), 0);
}

QTEST_MAIN(TestMainWindowPrint)
#include "tst_ui_frmtable_print.moc"
