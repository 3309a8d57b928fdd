// The prompt layer: the real message box, input prompt and program end behave as the windows
// rely on, and the scripted prompter answers and records as the window tests rely on.
#include "ui/platform/confirmreplace.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QApplication>
#include <QDialogButtonBox>
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

    void inputPromptOffersDefaultAndDismissGivesEmptyText() {
        QString offered;
        QPoint position;
        whenModalShown([&](QWidget *dialog) {
            offered = dialog->findChild<QLineEdit *>()->text();
            position = dialog->pos();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(input(nullptr, "Введите счет между:  a  b", "Тарвел", "0 0"), QString());
        QCOMPARE(offered, QString("0 0"));
        QCOMPARE(position, QPoint(twipsToPixelsX(5000), twipsToPixelsY(5000)));
    }

    void inputPromptReturnsTypedText() {
        whenModalShown([](QWidget *dialog) {
            auto *edit = dialog->findChild<QLineEdit *>();
            edit->clear();
            QTest::keyClicks(edit, "2 1");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(input(nullptr, "text", "Тарвел", "0 0"), QString("2 1"));
    }

    void scriptedPrompterAnswersInOrderAndRecords() {
        ScriptedPrompter script;
        script.queueAnswer(Answer::Yes);
        script.queueInput("Спартак");
        script.queueFile(QString("/tmp/a.TFL"));
        QCOMPARE(message(nullptr, "Вы хотите", "Тарвел", Buttons::YesNo), Answer::Yes);
        QCOMPARE(input(nullptr, "Введите", "Тарвел", "x"), QString("Спартак"));
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
        QCOMPARE(input(nullptr, "?", "Тарвел", "d"), QString());
        QCOMPARE(saveFileName(nullptr, {}), std::nullopt);
        QCOMPARE(message(nullptr, "ОК", "Тарвел"), Answer::Ok); // OK boxes need no answer
        QCOMPARE(script.unexpected(), 3);
        endProgram(0);
        QVERIFY(script.ended());
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

    void twipsFollowLogicalDpi() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        QCOMPARE(twipsToPixelsX(1440), qRound(dpi));
        QCOMPARE(pixelsToTwipsX(twipsToPixelsX(14400)), 14400);
        QCOMPARE(toColor({255, 0, 0}), QColor(Qt::red));
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_ui_platform.moc"
