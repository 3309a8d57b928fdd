#include "ui/dialogs/frmimport.h"

#include "core/files/options.h"
#include "core/import/importreader.h"
#include "core/import/importreport.h"
#include "ui/dialogs/dialogkit.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <utility>

namespace {

using soccer::ConflictChoice;
using soccer::NamingOffer;
using soccer::PlannedResult;
using soccer::TeamNaming;

constexpr int kResultRole = Qt::UserRole; // a conflict item's index into ImportPlan::results
constexpr int kFewestNewTeams = 4;

QRadioButton *radio(QWidget *parent, const QString &name, const QString &text) {
    auto *result = new QRadioButton(text, parent);
    result->setObjectName(name);
    return result;
}

QListWidget *list(QWidget *parent, const QString &name) {
    auto *result = new QListWidget(parent);
    result->setObjectName(name);
    // Thousands of lines of one height each: no line needs measuring on its own.
    result->setUniformItemSizes(true);
    return result;
}

Qt::CheckState checkOf(bool takeFile) {
    return takeFile ? Qt::Checked : Qt::Unchecked;
}

} // namespace

QList<platform::FileFilter> importFileFilters() {
    return {{QStringLiteral("Результаты (*.csv)"), QStringLiteral("*.csv")},
            {QStringLiteral("openfootball JSON (*.json)"), QStringLiteral("*.json")}};
}

frmimport *frmimport::create(QWidget *parent, const soccer::League &league, const QString &path,
                             Confirmed confirmed) {
    auto *dialog = new frmimport(parent, league, path, std::move(confirmed));
    dialog->show();
    return dialog;
}

frmimport::frmimport(QWidget *parent, const soccer::League &league, const QString &path,
                     Confirmed confirmed)
    : QWidget(parent), league_(std::make_unique<soccer::League>(league)), path_(path),
      confirmed_(std::move(confirmed)) {
    dialogkit::makeFixedDialog(this, QStringLiteral("Импорт результатов"), 10200, 8400);
    // The plan holds for the table as it is now: nothing may change it while the plan is shown.
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    placeControls();
    Form_Load();
    connectControls();
}

void frmimport::buildControls() {
    lblfile = dialogkit::label(this, QStringLiteral("lblfile"), QString());
    lblsource = dialogkit::label(this, QStringLiteral("lblsource"), QString());
    lblmatches = dialogkit::label(this, QStringLiteral("lblmatches"), QString());
    lblhalf1 = dialogkit::label(this, QStringLiteral("lblhalf1"), QString());
    lblhalf2 = dialogkit::label(this, QStringLiteral("lblhalf2"), QString());
    lblsame = dialogkit::label(this, QStringLiteral("lblsame"), QString());
    buildNaming();
    buildLists();
    lblverdict = dialogkit::label(this, QStringLiteral("lblverdict"), QString());
    lblverdict->setWordWrap(true);
    cmdimport =
        dialogkit::button(this, QStringLiteral("cmdimport"), QStringLiteral("&Импортировать"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));

    setTabOrder(optnames, optfromfile);
    setTabOrder(optfromfile, optnew);
    setTabOrder(optnew, txtcount);
    setTabOrder(txtcount, lstconflicts);
    setTabOrder(lstconflicts, optkeep);
    setTabOrder(optkeep, opttake);
    setTabOrder(opttake, lstproblems);
    setTabOrder(lstproblems, cmdimport);
    setTabOrder(cmdimport, cmdotm);
}

void frmimport::buildNaming() {
    franaming = new QGroupBox(QStringLiteral("Команды"), this);
    franaming->setObjectName(QStringLiteral("franaming"));
    lbloffer = dialogkit::label(franaming, QStringLiteral("lbloffer"), QString());
    lbloffer->setWordWrap(true);
    optnames = radio(franaming, QStringLiteral("optnames"),
                     QStringLiteral("По &названиям команд таблицы"));
    optfromfile = radio(franaming, QStringLiteral("optfromfile"),
                        QStringLiteral("Назвать команды таблицы по &файлу"));
    optnew = radio(franaming, QStringLiteral("optnew"),
                   QStringLiteral("Создать новую &таблицу с командами файла"));
    optnaming = new QButtonGroup(this);
    optnaming->addButton(optnames, int(TeamNaming::TableNames));
    optnaming->addButton(optfromfile, int(TeamNaming::FromFile));
    optnaming->addButton(optnew, int(TeamNaming::NewTable));
    lblcount = dialogkit::label(franaming, QStringLiteral("lblcount"), QStringLiteral("&Команд:"));
    txtcount = new QSpinBox(franaming);
    txtcount->setObjectName(QStringLiteral("txtcount"));
    txtcount->setRange(kFewestNewTeams, soccer::kMaxTeams);
    // Each count is a new plan: typing "12" must not plan for 1 on the way.
    txtcount->setKeyboardTracking(false);
    lblcount->setBuddy(txtcount);
}

void frmimport::buildLists() {
    lblconflicts = dialogkit::label(this, QStringLiteral("lblconflicts"), QString());
    lstconflicts = list(this, QStringLiteral("lstconflicts"));
    lblconflicts->setBuddy(lstconflicts);
    optkeep =
        radio(this, QStringLiteral("optkeep"), QStringLiteral("Для всех: &оставить счёт таблицы"));
    opttake = radio(this, QStringLiteral("opttake"), QStringLiteral("Для всех: вз&ять счёт файла"));
    optconflicts = new QButtonGroup(this);
    optconflicts->addButton(optkeep, int(ConflictChoice::KeepTable));
    optconflicts->addButton(opttake, int(ConflictChoice::TakeFile));
    lblproblems = dialogkit::label(this, QStringLiteral("lblproblems"), QString());
    lstproblems = list(this, QStringLiteral("lstproblems"));
    lblproblems->setBuddy(lstproblems);
}

void frmimport::placeControls() {
    dialogkit::placeTwips(lblfile, 120, 120, 9960, 255);
    dialogkit::placeTwips(lblsource, 120, 375, 9960, 255);
    dialogkit::placeTwips(lblmatches, 120, 630, 9960, 255);
    dialogkit::placeTwips(lblhalf1, 120, 885, 9960, 255);
    dialogkit::placeTwips(lblhalf2, 120, 1140, 9960, 255);
    dialogkit::placeTwips(lblsame, 120, 1395, 9960, 255);
    dialogkit::placeTwips(franaming, 120, 1710, 9960, 1620);
    dialogkit::placeTwips(lbloffer, 120, 240, 9720, 480);
    dialogkit::placeTwips(optnames, 120, 720, 6000, 255);
    dialogkit::placeTwips(optfromfile, 120, 975, 6000, 255);
    dialogkit::placeTwips(optnew, 120, 1230, 6000, 255);
    dialogkit::placeTwips(lblcount, 6240, 1230, 900, 255);
    dialogkit::placeTwips(txtcount, 7200, 1185, 900, 315);
    dialogkit::placeTwips(lblconflicts, 120, 3450, 9960, 255);
    dialogkit::placeTwips(lstconflicts, 120, 3705, 9960, 1335);
    dialogkit::placeTwips(optkeep, 120, 5100, 4800, 255);
    dialogkit::placeTwips(opttake, 5040, 5100, 4800, 255);
    dialogkit::placeTwips(lblproblems, 120, 5475, 9960, 255);
    dialogkit::placeTwips(lstproblems, 120, 5730, 9960, 1335);
    dialogkit::placeTwips(lblverdict, 120, 7185, 9960, 480);
    dialogkit::placeTwips(cmdimport, 6570, 7785, 1695, 495);
    dialogkit::placeTwips(cmdotm, 8385, 7785, 1695, 495);
}

void frmimport::connectControls() {
    connect(optnaming, &QButtonGroup::idClicked, this, &frmimport::optnaming_Click);
    connect(txtcount, &QSpinBox::valueChanged, this, &frmimport::txtcount_Change);
    // Clicked, not toggled: a second click on the choice for all undoes the single choices.
    connect(optconflicts, &QButtonGroup::idClicked, this, &frmimport::optconflicts_Click);
    connect(lstconflicts, &QListWidget::itemChanged, this, &frmimport::lstconflicts_ItemCheck);
    connect(cmdimport, &QPushButton::clicked, this, &frmimport::cmdimport_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmimport::cmdotm_Click);
    // A plain window has no cancel button of its own.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmimport::cmdotm_Click);
}

void frmimport::Form_Load() {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    // The controls inside the frame take its colours, so that they stand on its face.
    const QList<QWidget *> schemed = {this,     lblfile, lblsource,   lblmatches,   lblhalf1,
                                      lblhalf2, lblsame, franaming,   lblconflicts, lstconflicts,
                                      optkeep,  opttake, lblproblems, lstproblems,  lblverdict};
    dialogkit::paintSchemed(schemed, scheme);
    dialogkit::paintButtons({cmdimport, cmdotm}, scheme);
    dialogkit::paintDisabledTexts(schemed, scheme);
    lblfile->setText(QStringLiteral("Файл: ") + QFileInfo(path_).fileName());
    lblfile->setToolTip(path_);
    file_ = soccer::readImportFile(path_);
    plan_ = soccer::planImport(*league_, file_);
    chooseFirstNaming();
    showPlan();
    (cmdimport->isEnabled() ? cmdimport : cmdotm)->setFocus();
}

// When none of the file's teams is the table's, the table's names would refuse every line:
// the offered naming is then the likely one, shown first.
void frmimport::chooseFirstNaming() {
    optnames->setChecked(true);
    optkeep->setChecked(true);
    if (plan_.offer == NamingOffer::NewTable) {
        const int fileTeams = int(plan_.fileTeams.size());
        const QSignalBlocker quiet(txtcount);
        txtcount->setMinimum(std::max(kFewestNewTeams, fileTeams));
        txtcount->setValue(fileTeams);
    }
    if (plan_.offer == NamingOffer::None || plan_.matchedTeams > 0)
        return;
    (plan_.offer == NamingOffer::FromFile ? optfromfile : optnew)->setChecked(true);
    plan_ = soccer::planImport(*league_, file_, chosenOptions());
}

soccer::ImportOptions frmimport::chosenOptions() const {
    soccer::ImportOptions options;
    options.naming = TeamNaming(optnaming->checkedId());
    options.newTeamCount = options.naming == TeamNaming::NewTable ? txtcount->value() : 0;
    options.conflicts = plan_.options.conflicts;
    return options;
}

void frmimport::replan() {
    plan_ = soccer::planImport(*league_, file_, chosenOptions());
    showPlan();
}

void frmimport::showPlan() {
    lblsource->setText(QStringLiteral("Формат: ") + (plan_.source.decoded
                                                         ? soccer::sourceText(plan_.source)
                                                         : QStringLiteral("не определён")));
    lblmatches->setText(soccer::matchesText(plan_));
    showNaming();
    showConflicts();
    showProblems();
    showCounts();
}

// What follows every change of a choice: the counts, and whether there is anything to import.
void frmimport::showCounts() {
    lblhalf1->setText(soccer::enteredText(plan_, 1));
    lblhalf2->setText(soccer::enteredText(plan_, 2));
    lblsame->setText(soccer::sameText(plan_));
    showVerdict();
}

void frmimport::showNaming() {
    const QString offer = soccer::offerText(plan_);
    lbloffer->setText(offer.isEmpty() ? QStringLiteral("Команды файла ищутся в таблице по "
                                                       "названиям; найдено: %1.")
                                            .arg(plan_.matchedTeams)
                                      : offer);
    optfromfile->setEnabled(plan_.offer == NamingOffer::FromFile);
    optnew->setEnabled(plan_.offer == NamingOffer::NewTable);
    lblcount->setEnabled(optnew->isChecked());
    txtcount->setEnabled(optnew->isChecked());
}

void frmimport::showConflicts() {
    const QSignalBlocker quiet(lstconflicts);
    lstconflicts->clear();
    for (std::size_t i = 0; i < plan_.results.size(); ++i) {
        const PlannedResult &result = plan_.results[i];
        if (result.state != PlannedResult::State::Conflict)
            continue;
        auto *item = new QListWidgetItem(soccer::conflictChoiceText(plan_, result), lstconflicts);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(checkOf(result.takeFile));
        item->setToolTip(item->text()); // the line is wider than the list
        item->setData(kResultRole, int(i));
    }
    const int count = lstconflicts->count();
    lblconflicts->setText(
        count == 0 ? QStringLiteral("&Расхождения с таблицей: нет")
                   : QStringLiteral("&Расхождения с таблицей (%1); отмеченные возьмут счёт файла:")
                         .arg(count));
    if (count > 0)
        lstconflicts->setCurrentRow(0);
    lstconflicts->setEnabled(count > 0);
    showConflictChoice();
}

// The choice for all is shown only while every conflict follows it.
void frmimport::showConflictChoice() {
    const int count = lstconflicts->count();
    int taken = 0;
    for (int row = 0; row < count; ++row)
        taken += lstconflicts->item(row)->checkState() == Qt::Checked ? 1 : 0;
    optkeep->setEnabled(count > 0);
    opttake->setEnabled(count > 0);
    if (count == 0)
        return;
    if (taken == 0 || taken == count) {
        (taken == 0 ? optkeep : opttake)->setChecked(true);
        return;
    }
    optconflicts->setExclusive(false);
    optkeep->setChecked(false);
    opttake->setChecked(false);
    optconflicts->setExclusive(true);
}

void frmimport::showProblems() {
    QStringList lines;
    lines.reserve(qsizetype(plan_.problems.size()));
    for (const soccer::LineProblem &problem : plan_.problems)
        lines.append(soccer::problemText(problem));
    lstproblems->clear();
    lstproblems->addItems(lines);
    lblproblems->setText(
        lines.isEmpty()
            ? QStringLiteral("&Строки, которые нельзя использовать: нет")
            : QStringLiteral("&Строки, которые нельзя использовать (%1):").arg(lines.size()));
}

void frmimport::showVerdict() {
    QString verdict;
    if (!plan_.usable())
        verdict = QStringLiteral("Импорт невозможен: ") + plan_.problem;
    else if (!changesSomething())
        verdict = QStringLiteral("Нечего импортировать: таблица не изменится.");
    else if (!plan_.problems.empty())
        verdict = QStringLiteral("Строки, которые нельзя использовать, будут пропущены.");
    lblverdict->setText(verdict);
    cmdimport->setEnabled(plan_.usable() && changesSomething());
}

bool frmimport::changesSomething() const {
    return plan_.renames || plan_.enteredCount(1) + plan_.enteredCount(2) > 0;
}

void frmimport::optnaming_Click(int) {
    replan();
}

void frmimport::txtcount_Change(int) {
    if (optnew->isChecked())
        replan();
}

void frmimport::optconflicts_Click(int index) {
    plan_.chooseForConflicts(ConflictChoice(index));
    showConflicts();
    showCounts();
}

void frmimport::lstconflicts_ItemCheck(QListWidgetItem *item) {
    PlannedResult &result = plan_.results[std::size_t(item->data(kResultRole).toInt())];
    result.takeFile = item->checkState() == Qt::Checked;
    {
        const QSignalBlocker quiet(lstconflicts);
        item->setText(soccer::conflictChoiceText(plan_, result));
        item->setToolTip(item->text());
    }
    showConflictChoice();
    showCounts();
}

// The dialog is gone before the caller applies the plan, so that the window it changes is
// the active one again.
void frmimport::cmdimport_Click() {
    if (!cmdimport->isEnabled())
        return;
    const soccer::ImportPlan confirmed = plan_;
    const Confirmed apply = confirmed_;
    close();
    if (apply)
        apply(confirmed);
}

void frmimport::cmdotm_Click() {
    close();
}
