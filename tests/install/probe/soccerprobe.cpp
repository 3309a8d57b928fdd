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
//   pictures      The pictures of the README and the AppStream metadata, taken from the screen
//                 into the folder SOCCER_PROBE_PICTURES: the main window on the whole screen
//                 showing cross-table 1 (cross-table.png) and the results table
//                 (results-table.png), the round view (rounds.png), the chart of places
//                 (places-chart.png), then the print preview (published-page.png).
//   enter-scores  enters kScores results in cross-table 1 of the main (or classic) window (result k
//   in row
//                 1 + k / 5, against the (k % 5)-th other team, "k%10 k/10"), says "entered"
//                 and waits to be killed.
//   save-table    Save in the main window (every question answered Yes), then ends.
//   answer-no     answers No where a message asks, and ends once the main window shows.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QGenericPlugin>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
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
        else if (scenario_ == QStringLiteral("pictures"))
            picturesStep(kind, window);
        else if (kind == QStringLiteral("frmtable") || kind == QStringLiteral("classic::frmtable"))
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
        // The main window's grid takes a click as a slot of its own; the classic window's is a
        // table widget, whose click is a signal.
        if (grid->inherits("QTableWidget"))
            QMetaObject::invokeMethod(grid, "cellClicked", Q_ARG(int, row),
                                      Q_ARG(int, opponent + 1));
        else
            QMetaObject::invokeMethod(grid, "cellClicked");
        later([this, window = QPointer<QWidget>(window)] {
            if (window)
                enterNext(window);
        });
    }

    void picturesStep(const QString &kind, QWidget *window) {
        if (kind == QStringLiteral("frmtable") && !picturesTaken_) {
            picturesTaken_ = true;
            fillScreen(window);
            trigger(window, "mnuchess");
            settled([this, window] {
                take(window, "cross-table.png");
                trigger(window, "mnutable");
                settled([this, window] {
                    showFirstReason(window);
                    settled([this, window] {
                        take(window, "results-table.png");
                        trigger(window, "mnutours");
                        settled([this, window] {
                            take(window, "rounds.png");
                            trigger(window, "mnuchart");
                            settled([this, window] {
                                take(window, "places-chart.png");
                                trigger(window, "mnuprint");
                            });
                        });
                    });
                });
            });
        } else if (auto *preview = qobject_cast<QDialog *>(window);
                   preview && kind == QStringLiteral("QPrintPreviewDialog")) {
            fillScreen(preview);
            settled([this, preview] {
                take(preview, "published-page.png");
                preview->reject();
                finish();
            });
        }
    }

    // The window tells a place's reason as the tool tip of its row: the pointer rests on the
    // first row that has one.
    void showFirstReason(QWidget *window) {
        for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
            const QAbstractItemModel *model = view->model();
            if (!view->isVisible() || !model)
                continue;
            for (int row = 0; row < model->rowCount(); ++row) {
                const QModelIndex index = model->index(row, 1);
                if (model->data(index, Qt::ToolTipRole).toString().isEmpty())
                    continue;
                const QPoint at = view->visualRect(index).center();
                QCursor::setPos(view->viewport()->mapToGlobal(at));
                QHelpEvent tip(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
                QCoreApplication::sendEvent(view->viewport(), &tip);
                return;
            }
        }
        report(QStringLiteral("missing reason"));
    }

    void fillScreen(QWidget *window) { window->setGeometry(window->screen()->geometry()); }

    // Lets the window lay itself out and paint before it is taken.
    void settled(const std::function<void()> &step) { QTimer::singleShot(1500, this, step); }

    void take(QWidget *window, const char *name) {
        const QString path =
            qEnvironmentVariable("SOCCER_PROBE_PICTURES") + QLatin1Char('/') + QLatin1String(name);
        // The whole screen, as the window fills it: a tool tip is a window of its own.
        const bool saved = window->screen()->grabWindow(0).save(path);
        report((saved ? QStringLiteral("picture ") : QStringLiteral("not saved ")) + path);
    }

    void trigger(QWidget *window, const char *name) {
        if (auto *action = window->findChild<QAction *>(QLatin1String(name)))
            action->trigger();
        else
            report(QStringLiteral("missing ") + QLatin1String(name));
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
    bool picturesTaken_ = false;
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
