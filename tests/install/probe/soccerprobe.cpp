// A probe that the shell tests load into the installed programs as a Qt generic plugin
// (QT_PLUGIN_PATH=<folder holding generic/>, QT_QPA_GENERIC_PLUGINS=soccerprobe:<scenario>),
// so that they watch and drive the very binaries that were installed while the programs
// themselves carry no code for tests. Nothing here is installed.
//
// It appends one line per event to the file named by SOCCER_PROBE_REPORT:
//   window <class> <title>   a window was shown
//   message <text>           a message box was shown (line ends as " | "); it is answered OK,
//                            or Yes where it asks
//   input <question>         a prompt was shown; it is cancelled
//   done                     the scenario reached its end, and the program was ended
// Scenarios:
//   first-window  ends the program once the first window that is no message box shows.
//   new-table     New in the open-table dialog, a table "sezon" of the offered team count, then
//                 Options in the main window and OK there; ends once the colours are saved.
//   enter-scores  enters kScores results in cross-table 1 of the main window (result k in row
//                 1 + k / 5, against the (k % 5)-th other team, "k%10 k/10"), says "entered"
//                 and waits to be killed.
//   save-table    Save in the main window (every question answered Yes), then ends.
//   answer-no     answers No where a message asks, and ends once the main window shows.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

class Probe : public QObject {
  public:
    explicit Probe(const QString &scenario) : scenario_(scenario) {
        qApp->installEventFilter(this);
        report(QStringLiteral("scenario ") + scenario_);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)
                later([this, window = QPointer<QWidget>(widget)] {
                    if (window)
                        shown(window);
                });
        }
        return false;
    }

  private:
    // Acts once the window has finished showing, never inside its show.
    void later(const std::function<void()> &step) { QTimer::singleShot(0, this, step); }

    void shown(QWidget *window) {
        if (!window->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(window)) {
            answer(box);
            return;
        }
        if (auto *prompt = qobject_cast<QInputDialog *>(window)) {
            report(QStringLiteral("input ") + prompt->labelText());
            if (scenario_ != QStringLiteral("enter-scores"))
                return prompt->reject();
            prompt->setTextValue(QStringLiteral("%1 %2").arg(entered_ % 10).arg(entered_ / 10));
            ++entered_;
            prompt->accept();
            return;
        }
        const QString kind = QString::fromLatin1(window->metaObject()->className());
        report(QStringLiteral("window ") + kind + QLatin1Char(' ') + window->windowTitle());
        if (scenario_ == QStringLiteral("first-window"))
            finish();
        else if (scenario_ == QStringLiteral("new-table"))
            newTableStep(kind, window);
        else if (kind == QStringLiteral("frmtable"))
            tableStep(window);
    }

    void tableStep(QWidget *window) {
        if (scenario_ == QStringLiteral("enter-scores")) {
            enterNext(window);
        } else if (scenario_ == QStringLiteral("save-table")) {
            if (auto *save = window->findChild<QAction *>(QStringLiteral("mnusave")))
                save->trigger();
            finish();
        } else if (scenario_ == QStringLiteral("answer-no")) {
            finish();
        }
    }

    // Each result is entered once the prompt of the one before has closed.
    void enterNext(QWidget *window) {
        if (entered_ == kScores)
            return report(QStringLiteral("entered"));
        auto *grid = window->findChild<QAbstractItemView *>(QStringLiteral("MS"));
        const int row = 1 + entered_ / 5;
        const int other = entered_ % 5 + 1;
        const int opponent = other >= row ? other + 1 : other;
        grid->setCurrentIndex(grid->model()->index(row, opponent + 1));
        QMetaObject::invokeMethod(grid, "cellClicked");
        later([this, window = QPointer<QWidget>(window)] {
            if (window)
                enterNext(window);
        });
    }

    void answer(QMessageBox *box) {
        report(QStringLiteral("message ") + box->text().replace(QLatin1Char('\n'), " | "));
        QAbstractButton *button = box->button(QMessageBox::Ok);
        if (!button && scenario_ == QStringLiteral("answer-no"))
            button = box->button(QMessageBox::No);
        if (!button)
            button = box->button(QMessageBox::Yes);
        if (button)
            button->click();
    }

    void newTableStep(const QString &kind, QWidget *window) {
        if (kind == QStringLiteral("frmopen")) {
            click(window, "cmdnew");
        } else if (kind == QStringLiteral("frmnew")) {
            if (auto *name = window->findChild<QLineEdit *>(QStringLiteral("txtnam")))
                name->setText(QStringLiteral("sezon"));
            click(window, "cmdok");
        } else if (kind == QStringLiteral("frmtable") && !optionsAsked_) {
            optionsAsked_ = true;
            if (auto *options = window->findChild<QAction *>(QStringLiteral("mnuoption")))
                options->trigger();
        } else if (kind == QStringLiteral("frmoption")) {
            click(window, "cmdok");
            finish();
        }
    }

    void click(QWidget *window, const char *name) {
        if (auto *button = window->findChild<QPushButton *>(QLatin1String(name)))
            button->click();
        else
            report(QStringLiteral("missing ") + QLatin1String(name));
    }

    void finish() {
        report(QStringLiteral("done"));
        later([] { QCoreApplication::exit(0); });
    }

    void report(const QString &line) {
        QFile file(qEnvironmentVariable("SOCCER_PROBE_REPORT"));
        if (file.open(QIODevice::Append | QIODevice::Text))
            file.write(line.toUtf8() + '\n');
    }

    static constexpr int kScores = 12;

    QString scenario_;
    bool optionsAsked_ = false;
    int entered_ = 0;
};

} // namespace

class SoccerProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "soccerprobe.json")

  public:
    QObject *create(const QString &key, const QString &scenario) override {
        if (key.compare(QStringLiteral("soccerprobe"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new Probe(scenario);
    }
};

#include "soccerprobe.moc"
