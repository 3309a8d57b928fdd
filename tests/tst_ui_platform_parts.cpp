// The parts of the platform layer both programs build on: the command builder, the failure
// messages, and the button pictures drawn in the size asked for.
#include "core/league/errors.h"
#include "tst_kit.h"
#include "ui/platform/commandbuilder.h"
#include "ui/platform/failures.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

namespace {

class Window : public QMainWindow {
  public:
    int first = 0;
    int second = 0;
    int third = 0;
    void runFirst() { ++first; }
    void runSecond() { ++second; }
    void runThird() { ++third; }
};

// clang-format off
const platform::Command<Window> kTable[] = {
    {{"one",   "new",  600, "Первая", "&Первая", "Ctrl+1", 0, false}, &Window::runFirst},
    {{"two",   nullptr, 0,  nullptr,  "&Вторая", "Ctrl+2", 0, true},  &Window::runSecond},
    {{"three", "help", 0,   "Третья", "&Третья", "F3",     1, false}, &Window::runThird},
};
// clang-format on

QStringList itemsOf(QMenu *menu) {
    QStringList items;
    for (QAction *action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return items;
}

QImage imageOf(const QIcon &icon, int size, QIcon::Mode mode) {
    return icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class PlatformPartsTest : public QObject {
    Q_OBJECT

  private slots:
    void builderMakesOneActionPerCommand();
    void failureReasonsAndTexts_data();
    void failureReasonsAndTexts();
    void endWithErrorReportsAndEnds();
    void drawnPicturesAreThoseOfEverySize_data();
    void drawnPicturesAreThoseOfEverySize();
};

void PlatformPartsTest::builderMakesOneActionPerCommand() {
    Window window;
    window.setCentralWidget(new QWidget(&window));
    QMenu *main = window.menuBar()->addMenu(QStringLiteral("Меню"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("Справка"));
    const platform::CommandSet commands =
        platform::buildCommands(&window, kTable, {main, help}, window.centralWidget(), 600);

    QCOMPARE(itemsOf(main), QStringList({"mnuone", "-", "mnutwo"}));
    QCOMPARE(itemsOf(help), QStringList({"mnuthree"}));
    QCOMPARE(commands.buttons().size(), 2);
    QVERIFY(!window.findChild<QToolButton *>(QStringLiteral("cmdtwo")));
    auto *one = window.findChild<QToolButton *>(QStringLiteral("cmdone"));
    QVERIFY(one);
    QCOMPARE(one->toolTip(), QStringLiteral("Первая"));
    QCOMPARE(one->geometry(), QRect(platform::twipsToPixelsX(600), 0, platform::twipsToPixelsX(600),
                                    platform::twipsToPixelsY(600)));
    QCOMPARE(commands.action("one")->text(), QStringLiteral("&Первая"));
    QCOMPARE(commands.action("three")->shortcut(), QKeySequence(Qt::Key_F3));
    QVERIFY(!commands.action("one")->isIconVisibleInMenu());
    QVERIFY(!commands.action("missing"));

    // The button and the menu item are one command: enabling and running go through the action.
    commands.action("one")->setEnabled(false);
    QVERIFY(!one->isEnabled());
    one->click();
    QCOMPARE(window.first, 0);
    commands.action("one")->setEnabled(true);
    one->click();
    commands.action("one")->trigger();
    commands.action("two")->trigger();
    QCOMPARE(window.first, 2);
    QCOMPARE(window.second, 1);
    QCOMPARE(window.third, 0);
}

void PlatformPartsTest::failureReasonsAndTexts_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("brought");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << 61 << QString() << "диск переполнен";
    QTest::newRow("missing file") << 53 << QString() << "файл не найден";
    QTest::newRow("missing folder") << 76 << QString() << "папка не найдена";
    QTest::newRow("unknown number") << 999 << QString() << "ошибка при работе с файлом";
    QTest::newRow("brought reason first") << 75 << "это папка"
                                          << "это папка";
}

void PlatformPartsTest::failureReasonsAndTexts() {
    QFETCH(int, number);
    QFETCH(QString, brought);
    QFETCH(QString, reason);
    QCOMPARE(platform::failureReason(number, brought), reason);
    const soccer::CoreError error(number, QStringLiteral("подробности"), brought);
    QCOMPARE(platform::failureReason(error), reason);
    QCOMPARE(
        platform::failureText(QStringLiteral("Не сохранено."), QStringLiteral("/t/a.TFL"), error),
        QStringLiteral("Не сохранено.\nФайл: %1\nПричина: %2 (ошибка № %3).")
            .arg(testkit::shown(QStringLiteral("/t/a.TFL")), reason)
            .arg(number));
    QCOMPARE(platform::printedNumber(number), QStringLiteral(" ") + QString::number(number));
}

void PlatformPartsTest::endWithErrorReportsAndEnds() {
    QCOMPARE(platform::printedNumber(-3), QStringLiteral("-3"));
    platform::ScriptedPrompter prompter;
    platform::endWithError(nullptr, 53);
    const auto &asked = prompter.asked();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].text, QStringLiteral("Программа завершена"));
    QCOMPARE(asked[0].title, QStringLiteral("Ошибка №  53"));
    QCOMPARE(asked[0].icon, platform::Icon::Critical);
    QCOMPARE(asked[1].kind, platform::ScriptedPrompter::Kind::End);
    QCOMPARE(asked[1].exitCode, 1);
}

void PlatformPartsTest::drawnPicturesAreThoseOfEverySize_data() {
    QTest::addColumn<QString>("name");
    for (const char *name : {"new", "chess1", "option", "help", "exit"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// A picture drawn only in the sizes asked for shows, at any size and in any mode, exactly what
// an icon made of all five drawn sizes shows. The sizes are asked for in a mixed order, each
// while only some sizes are drawn; the full set is made last.
void PlatformPartsTest::drawnPicturesAreThoseOfEverySize() {
    QFETCH(QString, name);
    const QList<int> sizes = {33, 12, 90, 20, 64, 30, 16, 40};
    QList<QImage> drawn;
    for (int size : sizes)
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
            drawn << imageOf(platform::commandIcon(name), size, mode);
    QIcon everySize;
    for (int size : {16, 24, 32, 48, 64})
        everySize.addPixmap(platform::commandIcon(name).pixmap(size, size));
    int next = 0;
    for (int size : sizes)
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
            QCOMPARE(drawn[next++], imageOf(everySize, size, mode));
}

QTEST_MAIN(PlatformPartsTest)
#include "tst_ui_platform_parts.moc"
