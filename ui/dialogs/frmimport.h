#pragma once

#include "core/import/importedfile.h"
#include "core/import/importplan.h"
#include "core/league/league.h"
#include "ui/platform/prompts.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The kinds of file "Импорт результатов..." offers in the file dialog: CSV, then openfootball
// JSON.
QList<platform::FileFilter> importFileFilters();

// The preview of an import of results: what the file would bring into the open table before
// anything changes. It shows how the file was read, how many results go into each
// cross-table, the conflicts with the table's results (kept or taken, for all or one by one),
// every line that cannot be used, and, when the table's names do not fit the file, naming the
// table's teams from the file or a new table of the file's teams. The dialog plans on a copy
// of the table taken when it opens; applying the plan is the caller's.
class frmimport : public QWidget {
    Q_OBJECT

  public:
    using Confirmed = std::function<void(const soccer::ImportPlan &)>;

    // Reads and plans the results file at `path`, shows the dialog modal over the application
    // and returns at once. "Импортировать" hands the plan shown to `confirmed`; Отмена, Esc and
    // the window's close button change nothing.
    static frmimport *create(QWidget *parent, const soccer::League &league, const QString &path,
                             Confirmed confirmed);

    // The plan as the controls show it now.
    const soccer::ImportPlan &plan() const { return plan_; }

  private:
    frmimport(QWidget *parent, const soccer::League &league, const QString &path,
              Confirmed confirmed);
    void buildControls();
    void buildNaming();
    void buildLists();
    void placeControls();
    void connectControls();
    void Form_Load();
    void chooseFirstNaming();
    soccer::ImportOptions chosenOptions() const;
    void replan();
    void showPlan();
    void showCounts();
    void showNaming();
    void showConflicts();
    void showConflictChoice();
    void showProblems();
    void showVerdict();
    bool changesSomething() const;

    void optnaming_Click(int index);
    void txtcount_Change(int value);
    void optconflicts_Click(int index);
    void lstconflicts_ItemCheck(QListWidgetItem *item);
    void cmdimport_Click();
    void cmdotm_Click();

    std::unique_ptr<soccer::League> league_;
    QString path_;
    Confirmed confirmed_;
    soccer::ImportedFile file_;
    soccer::ImportPlan plan_;

    QLabel *lblfile = nullptr;
    QLabel *lblsource = nullptr;
    QLabel *lblmatches = nullptr;
    QLabel *lblhalf1 = nullptr;
    QLabel *lblhalf2 = nullptr;
    QLabel *lblsame = nullptr;
    QGroupBox *franaming = nullptr;
    QLabel *lbloffer = nullptr;
    QButtonGroup *optnaming = nullptr; // indexed by soccer::TeamNaming
    QRadioButton *optnames = nullptr;
    QRadioButton *optfromfile = nullptr;
    QRadioButton *optnew = nullptr;
    QLabel *lblcount = nullptr;
    QSpinBox *txtcount = nullptr;
    QLabel *lblconflicts = nullptr;
    QListWidget *lstconflicts = nullptr;
    QButtonGroup *optconflicts = nullptr; // indexed by soccer::ConflictChoice
    QRadioButton *optkeep = nullptr;
    QRadioButton *opttake = nullptr;
    QLabel *lblproblems = nullptr;
    QListWidget *lstproblems = nullptr;
    QLabel *lblverdict = nullptr;
    QPushButton *cmdimport = nullptr;
    QPushButton *cmdotm = nullptr;
};
