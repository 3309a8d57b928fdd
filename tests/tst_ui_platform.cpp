// The prompt layer: the real message box, input prompt and program end behave as the windows
// rely on, and the scripted prompter answers and records as the window tests rely on.
#include "ui/platform/confirmreplace.h"
#include "ui/platform/look.h"
#include "ui/platform/nameprompt.h"
#include "ui/platform/prompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace platform;

namespace {

// Runs `act` on the modal dialog as soon as it is shown.
void whenModalShown(std::function<void(QWidget *)> act) {
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

QStringList buttonTexts(QWidget *box) {
    QStringList texts;
    for (QPushButton *button : box->findChildren<QPushButton *>())
        texts << button->text().remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installRussianTranslations(); }

    void messageBoxSpeaksRussianAndEscapeMeansNo() {
        QStringList shown;
        QString title;
        whenModalShown([&](QWidget *box) {
            shown = buttonTexts(box);
            title = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        const Answer answer =
            message(nullptr, "Сохранить?", "Тарвел", Buttons::YesNo, Icon::Information);
        QCOMPARE(answer, Answer::No);
        QCOMPARE(title, QString("Тарвел"));
        QCOMPARE(shown, (QStringList{"Да", "Нет"}));
    }

    void messageBoxYesNoCancel() {
        QStringList shown;
        whenModalShown([&](QWidget *box) {
            shown = buttonTexts(box);
            auto *messageBox = qobject_cast<QMessageBox *>(box);
            QVERIFY(messageBox);
            messageBox->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(message(nullptr, "q", "Тарвел", Buttons::YesNoCancel, Icon::Information),
                 Answer::Yes);
        QCOMPARE(shown, (QStringList{"Да", "Нет", "Отмена"}));
    }

    void inputPromptOffersDefaultAndDismissGivesNothing() {
        QString offered;
        QPoint position;
        whenModalShown([&](QWidget *dialog) {
            offered = dialog->findChild<QLineEdit *>()->text();
            position = dialog->pos();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(input(nullptr, "Введите счет между:  a  b", "Тарвел", "0 0"), std::nullopt);
        QCOMPARE(offered, QString("0 0"));
        QCOMPARE(position, QPoint(twipsToPixelsX(5000), twipsToPixelsY(5000)));
    }

    // Every way of leaving the prompt without OK gives nothing; OK gives the text, even empty.
    void inputPromptTellsDismissedFromEmpty_data() {
        QTest::addColumn<QString>("leaving");
        QTest::addColumn<std::optional<QString>>("expected");
        QTest::newRow("Escape") << "escape" << std::optional<QString>();
        QTest::newRow("Отмена") << "cancel" << std::optional<QString>();
        QTest::newRow("closed") << "close" << std::optional<QString>();
        QTest::newRow("empty text, OK") << "ok" << std::optional<QString>(QString());
        QTest::newRow("empty text, Enter") << "enter" << std::optional<QString>(QString());
    }

    void inputPromptTellsDismissedFromEmpty() {
        QFETCH(QString, leaving);
        QFETCH(std::optional<QString>, expected);
        QString cancelText;
        whenModalShown([&](QWidget *dialog) {
            auto *edit = dialog->findChild<QLineEdit *>();
            edit->clear();
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            cancelText = buttons->button(QDialogButtonBox::Cancel)->text().remove('&');
            if (leaving == "escape")
                QTest::keyClick(edit, Qt::Key_Escape);
            else if (leaving == "cancel")
                buttons->button(QDialogButtonBox::Cancel)->click();
            else if (leaving == "close")
                dialog->close();
            else if (leaving == "ok")
                buttons->button(QDialogButtonBox::Ok)->click();
            else
                QTest::keyClick(edit, Qt::Key_Return);
        });
        const std::optional<QString> answer = input(nullptr, "Введите", "Тарвел", "0 0");
        QCOMPARE(answer.has_value(), expected.has_value());
        QCOMPARE(answer.value_or("<none>"), expected.value_or("<none>"));
        QCOMPARE(cancelText, QString("Отмена"));
    }

    void inputPromptReturnsTypedText() {
        whenModalShown([](QWidget *dialog) {
            auto *edit = dialog->findChild<QLineEdit *>();
            edit->clear();
            QTest::keyClicks(edit, "2 1");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(input(nullptr, "text", "Тарвел", "0 0"), std::optional<QString>("2 1"));
    }

    // Save as offers the refused name again: the dialog opens in its folder with it typed in.
    void saveDialogOffersTheSuggestedName() {
        QTemporaryDir dir;
        const QString suggested = dir.filePath("Сезон.TFL");
        QString folder;
        QString typed;
        whenModalShown([&](QWidget *dialog) {
            auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(fileDialog);
            folder = fileDialog->directory().absolutePath();
            typed = fileDialog->findChild<QLineEdit *>("fileNameEdit")->text();
            fileDialog->reject();
        });
        QCOMPARE(saveFileName(nullptr, {{"Таблицы         (*.TFL)", "*.TFL"}}, suggested),
                 std::nullopt);
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QCOMPARE(typed, QString("Сезон.TFL"));
    }

    // The filter the user picked comes back with the name, even when the name's extension
    // would fit another filter.
    void saveDialogReportsTheChosenFilter() {
        QTemporaryDir dir;
        const QList<FileFilter> filters = {{"Веб-страница (*.html)", "*.html"},
                                           {"Таблица результатов, CSV (*.csv)", "*.csv"},
                                           {"Шахматная таблица (1), CSV (*.csv)", "*.csv"}};
        whenModalShown([&](QWidget *dialog) {
            auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(fileDialog);
            fileDialog->selectNameFilter("Шахматная таблица (1), CSV (*.csv)");
            auto *edit = fileDialog->findChild<QLineEdit *>("fileNameEdit");
            edit->setText("out.csv");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        const std::optional<SaveChoice> chosen =
            saveFileNameAndFilter(nullptr, filters, dir.filePath("x.html"));
        QVERIFY(chosen);
        QCOMPARE(chosen->path, QDir(dir.path()).absoluteFilePath("out.csv"));
        QCOMPARE(chosen->filter, 2);
    }

    // A script names the filter, or leaves it to the name: the first filter that matches it,
    // else the first of all.
    void scriptedSaveDialogReportsAFilter() {
        ScriptedPrompter script;
        const QList<FileFilter> filters = {
            {"HTML", "*.html"}, {"CSV 1", "*.csv"}, {"CSV 2", "*.csv"}, {"PDF", "*.pdf"}};
        script.queueFile(QString("/tmp/a.csv"), 2);
        script.queueFile(QString("/tmp/b.PDF"));
        script.queueFile(QString("/tmp/c.csv"));
        script.queueFile(QString("/tmp/d"));
        script.queueFile(std::nullopt);
        QCOMPARE(saveFileNameAndFilter(nullptr, filters)->filter, 2);
        QCOMPARE(saveFileNameAndFilter(nullptr, filters)->filter, 3);
        QCOMPARE(saveFileNameAndFilter(nullptr, filters)->filter, 1);
        const std::optional<SaveChoice> plain = saveFileNameAndFilter(nullptr, filters, "/tmp/s");
        QCOMPARE(plain->path, QString("/tmp/d"));
        QCOMPARE(plain->filter, 0);
        QVERIFY(!saveFileNameAndFilter(nullptr, filters));
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(script.asked().at(3).mode, FileMode::Save);
        QCOMPARE(script.asked().at(3).defaultAnswer, QString("/tmp/s"));
        QCOMPARE(script.asked().at(3).filters.size(), 4);
    }

    void scriptedPrompterAnswersInOrderAndRecords() {
        ScriptedPrompter script;
        script.queueAnswer(Answer::Yes);
        script.queueInput("Спартак");
        script.queueFile(QString("/tmp/a.TFL"));
        QCOMPARE(message(nullptr, "Вы хотите", "Тарвел", Buttons::YesNo), Answer::Yes);
        QCOMPARE(input(nullptr, "Введите", "Тарвел", "x"), std::optional<QString>("Спартак"));
        QCOMPARE(openFileName(nullptr, {{"Таблицы         (*.TFL)", "*.TFL"}}),
                 std::optional<QString>("/tmp/a.TFL"));
        QVERIFY(script.allAnswersUsed());
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(script.askedTexts(), (QStringList{"Вы хотите", "Введите", QString()}));
        QCOMPARE(script.asked().at(1).defaultAnswer, QString("x"));
        QCOMPARE(script.asked().at(2).mode, FileMode::Open);
    }

    void scriptedPrompterCountsUnexpectedQuestions() {
        ScriptedPrompter script;
        QCOMPARE(message(nullptr, "?", "Тарвел", Buttons::YesNoCancel), Answer::Cancel);
        QCOMPARE(input(nullptr, "?", "Тарвел", "d"), std::nullopt); // as if dismissed
        QCOMPARE(saveFileName(nullptr, {}), std::nullopt);
        QCOMPARE(message(nullptr, "ОК", "Тарвел"), Answer::Ok); // OK boxes need no answer
        QCOMPARE(script.unexpected(), 3);
        endProgram(0);
        QVERIFY(script.ended());
    }

    void scriptedPrompterTellsDismissedFromEmpty() {
        ScriptedPrompter script;
        script.queueInput(QString());
        script.queueDismissedInput();
        script.queueFile(QString("/tmp/b.TFL"));
        QCOMPARE(input(nullptr, "1", "Тарвел", "d"), std::optional<QString>(QString()));
        QCOMPARE(input(nullptr, "2", "Тарвел", "d"), std::nullopt);
        QCOMPARE(saveFileName(nullptr, {}, "/tmp/a.TFL"), std::optional<QString>("/tmp/b.TFL"));
        QCOMPARE(script.asked().at(2).defaultAnswer, QString("/tmp/a.TFL"));
        QCOMPARE(script.unexpected(), 0);
    }

    void scriptedPrompterRestoresRealOneWhenGone() {
        Prompter *real = &prompter();
        {
            ScriptedPrompter script;
            QVERIFY(&prompter() == &script);
        }
        QVERIFY(&prompter() == real);
    }

    // The replace question: asked only over an existing file, and only Да lets the write go on.
    void replaceQuestion_data() {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<bool>("mayWrite");
        QTest::newRow("no file") << "" << -1 << true;
        QTest::newRow("a folder of that name") << "dir" << -1 << true;
        QTest::newRow("file, Да") << "file" << int(Answer::Yes) << true;
        QTest::newRow("file, Нет") << "file" << int(Answer::No) << false;
    }

    void replaceQuestion() {
        QFETCH(QString, existing);
        QFETCH(int, answer);
        QFETCH(bool, mayWrite);
        QTemporaryDir dir;
        const QString path = dir.filePath("Сезон 1.TFL");
        if (existing == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("4\r\n") == 3);
        } else if (existing == "dir") {
            QVERIFY(QDir().mkdir(path));
        }
        ScriptedPrompter script;
        if (answer >= 0)
            script.queueAnswer(Answer(answer));
        QCOMPARE(confirmReplace(nullptr, path), mayWrite);
        QCOMPARE(script.unexpected(), 0);
        if (answer < 0) {
            QVERIFY(script.asked().isEmpty());
            return;
        }
        QCOMPARE(script.asked().size(), 1);
        const ScriptedPrompter::Asked &asked = script.asked().first();
        QCOMPARE(asked.text, "Файл " + path + " уже существует. Заменить его?");
        QCOMPARE(asked.title, QString("Тарвел"));
        QCOMPARE(asked.buttons, Buttons::YesNo);
    }

    // The one name prompt of both programs: what it offers after each refusal, and what it
    // gives back. Answers are typed in order; "<dismiss>" dismisses the prompt.
    void namePrompt_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<std::optional<QString>>("result");
        QTest::newRow("accepted") << QStringList{"Зенит"} << QStringList{"ЦСКА"}
                                  << std::optional<QString>("Зенит");
        QTest::newRow("empty name accepted")
            << QStringList{""} << QStringList{"ЦСКА"} << std::optional<QString>("");
        QTest::newRow("dismissed")
            << QStringList{"<dismiss>"} << QStringList{"ЦСКА"} << std::optional<QString>();
        QTest::newRow("comma refused, offered as typed")
            << QStringList{"Спартак, Москва", "Спартак Москва"}
            << QStringList{"ЦСКА", "Спартак, Москва"} << std::optional<QString>("Спартак Москва");
        QTest::newRow("quote anywhere refused")
            << QStringList{"Динамо \"Киев\"", "Динамо Киев"}
            << QStringList{"ЦСКА", "Динамо \"Киев\""} << std::optional<QString>("Динамо Киев");
        QTest::newRow("nearest spelling offered")
            << QStringList{"Atlético Madrid", "Atletico Madrid"}
            << QStringList{"ЦСКА", "Atletico Madrid"} << std::optional<QString>("Atletico Madrid");
        QTest::newRow("dismissed after a refusal")
            << QStringList{"Beşiktaş", "<dismiss>"} << QStringList{"ЦСКА", "Besiktas"}
            << std::optional<QString>();
    }

    void namePrompt() {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, offered);
        QFETCH(std::optional<QString>, result);
        ScriptedPrompter script;
        for (const QString &answer : answers) {
            if (answer == "<dismiss>")
                script.queueDismissedInput();
            else
                script.queueInput(answer);
        }
        const std::optional<QString> name = askTeamName(nullptr, "Введите имя  1 команды", "ЦСКА");
        QCOMPARE(name.has_value(), result.has_value());
        QCOMPARE(name.value_or("<none>"), result.value_or("<none>"));
        QVERIFY(script.allAnswersUsed());
        QCOMPARE(script.unexpected(), 0);

        QStringList defaults;
        for (const ScriptedPrompter::Asked &asked : script.asked()) {
            QCOMPARE(asked.title, QString("Тарвел"));
            if (asked.kind == ScriptedPrompter::Kind::Input) {
                QCOMPARE(asked.text, QString("Введите имя  1 команды"));
                defaults << asked.defaultAnswer;
            } else { // a refusal: the answer is refused, so it carries the critical icon
                QCOMPARE(asked.icon, Icon::Critical);
                QCOMPARE(asked.buttons, Buttons::Ok);
                QVERIFY(!asked.text.isEmpty());
            }
        }
        QCOMPARE(defaults, offered);
        QCOMPARE(script.asked().size(), 2 * answers.size() - 1);
    }

    void twipsFollowLogicalDpi() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        QCOMPARE(twipsToPixelsX(1440), qRound(dpi));
        QCOMPARE(pixelsToTwipsX(twipsToPixelsX(14400)), 14400);
        QCOMPARE(toColor({255, 0, 0}), QColor(Qt::red));
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_ui_platform.moc"
