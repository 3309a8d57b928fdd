#include "ui/dialogs/frmrules.h"

#include "core/competition/matchcount.h"
#include "core/files/options.h"
#include "core/league/score.h"
#include "core/league/standings.h"
#include "core/ranking/ranking.h"
#include "ui/dialogs/dialogkit.h"
#include "ui/platform/columnfit.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <array>
#include <utility>

namespace {

using soccer::Criterion;

constexpr int kCriterionRole = Qt::UserRole;

// The preview's columns and their least widths in twips: together with a vertical scroll bar
// they fill the view; a longer text widens its column.
enum PreviewColumn { PlaceColumn, NameColumn, PointsColumn, ReasonColumn, PreviewColumns };
constexpr std::array<int, PreviewColumns> kPreviewWidths = {900, 2880, 720, 5040};
constexpr int kRowHeight = 285;

int presetIndex(soccer::RulePreset preset) {
    const auto found = std::ranges::find(soccer::kAllPresets, preset);
    return int(found - soccer::kAllPresets.begin());
}

QListWidgetItem *criterionItem(Criterion criterion) {
    auto *item = new QListWidgetItem(soccer::criterionName(criterion));
    item->setData(kCriterionRole, int(criterion));
    return item;
}

QTableWidgetItem *previewItem(const QString &text, Qt::Alignment alignment) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

frmrules *frmrules::create(QWidget *parent, const soccer::League &league, Chosen chosen) {
    auto *dialog = new frmrules(parent, league, std::move(chosen));
    dialog->show();
    return dialog;
}

frmrules::frmrules(QWidget *parent, const soccer::League &league, Chosen chosen)
    : QWidget(parent), league_(std::make_unique<soccer::League>(league)),
      chosen_(std::move(chosen)) {
    dialogkit::makeFixedDialog(this, QStringLiteral("Правила турнира"), 10200, 7575);
    counting_ = std::make_unique<CountingControls>(this, [this] { showCounting(); });
    // While the rule is chosen the table must stay as the preview shows it.
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    placeControls();
    Form_Load();
    connectControls();
}

void frmrules::buildControls() {
    lblrule = dialogkit::label(this, QStringLiteral("lblrule"), QStringLiteral("&Правило:"));
    cmbrule = new QComboBox(this);
    cmbrule->setObjectName(QStringLiteral("cmbrule"));
    for (soccer::RulePreset preset : soccer::kAllPresets)
        cmbrule->addItem(soccer::presetName(preset));
    lblrule->setBuddy(cmbrule);
    buildLists();
    buildPreview();
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));

    setTabOrder(cmbrule, lstall);
    setTabOrder(lstall, cmdadd);
    setTabOrder(cmdadd, cmdremove);
    setTabOrder(cmdremove, lstorder);
    setTabOrder(lstorder, cmdup);
    setTabOrder(cmdup, cmddown);
    setTabOrder(cmddown, tblpreview);
    QWidget *previous = tblpreview;
    for (QWidget *next : counting_->tabOrder()) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, cmdok);
    setTabOrder(cmdok, cmdotm);
}

void frmrules::buildLists() {
    lblall = dialogkit::label(this, QStringLiteral("lblall"), QStringLiteral("&Критерии:"));
    lstall = new QListWidget(this);
    lstall->setObjectName(QStringLiteral("lstall"));
    lblall->setBuddy(lstall);
    lblorder =
        dialogkit::label(this, QStringLiteral("lblorder"), QStringLiteral("П&орядок после очков:"));
    lstorder = new QListWidget(this);
    lstorder->setObjectName(QStringLiteral("lstorder"));
    lblorder->setBuddy(lstorder);
    cmdadd = dialogkit::button(this, QStringLiteral("cmdadd"), QStringLiteral("&Добавить >"));
    cmdremove = dialogkit::button(this, QStringLiteral("cmdremove"), QStringLiteral("< &Убрать"));
    cmdup = dialogkit::button(this, QStringLiteral("cmdup"), QStringLiteral("В&ыше"));
    cmddown = dialogkit::button(this, QStringLiteral("cmddown"), QStringLiteral("&Ниже"));
}

void frmrules::buildPreview() {
    lblpreview = dialogkit::label(this, QStringLiteral("lblpreview"),
                                  QStringLiteral("&Места по этому правилу:"));
    tblpreview = new QTableWidget(0, PreviewColumns, this);
    tblpreview->setObjectName(QStringLiteral("tblpreview"));
    tblpreview->setHorizontalHeaderLabels({QStringLiteral("Место"), QStringLiteral("Команда"),
                                           QStringLiteral("Очки"), QStringLiteral("Основание")});
    tblpreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblpreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblpreview->setSelectionMode(QAbstractItemView::SingleSelection);
    tblpreview->setWordWrap(false);
    tblpreview->verticalHeader()->hide();
    tblpreview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblpreview->verticalHeader()->setDefaultSectionSize(platform::twipsToPixelsY(kRowHeight));
    tblpreview->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    previewFit = new platform::ColumnFit(tblpreview);
    for (int column = 0; column < PreviewColumns; ++column)
        previewFit->setMinimumWidth(column, platform::twipsToPixelsX(kPreviewWidths[column]));
    lblpreview->setBuddy(tblpreview);
}

void frmrules::placeControls() {
    dialogkit::placeTwips(lblrule, 120, 120, 9960, 255);
    dialogkit::placeTwips(cmbrule, 120, 375, 9960, 315);
    dialogkit::placeTwips(lblall, 120, 840, 3600, 255);
    dialogkit::placeTwips(lstall, 120, 1095, 3600, 1695);
    dialogkit::placeTwips(cmdadd, 3840, 1095, 1695, 495);
    dialogkit::placeTwips(cmdremove, 3840, 1695, 1695, 495);
    dialogkit::placeTwips(lblorder, 5655, 840, 3240, 255);
    dialogkit::placeTwips(lstorder, 5655, 1095, 3240, 1695);
    dialogkit::placeTwips(cmdup, 9015, 1095, 1065, 495);
    dialogkit::placeTwips(cmddown, 9015, 1695, 1065, 495);
    dialogkit::placeTwips(lblpreview, 120, 2940, 9960, 255);
    dialogkit::placeTwips(tblpreview, 120, 3195, 9960, 3600);
    counting_->place(6900);
    dialogkit::placeTwips(cmdok, 6570, 6960, 1695, 495);
    dialogkit::placeTwips(cmdotm, 8385, 6960, 1695, 495);
}

void frmrules::connectControls() {
    connect(cmbrule, &QComboBox::currentIndexChanged, this, &frmrules::cmbrule_Click);
    // Enter or a double click in a list moves the criterion across, like the buttons.
    connect(lstall, &QListWidget::itemActivated, this, &frmrules::cmdadd_Click);
    connect(lstorder, &QListWidget::itemActivated, this, &frmrules::cmdremove_Click);
    connect(lstall, &QListWidget::currentRowChanged, this, &frmrules::showButtonStates);
    connect(lstorder, &QListWidget::currentRowChanged, this, &frmrules::showButtonStates);
    connect(cmdadd, &QPushButton::clicked, this, &frmrules::cmdadd_Click);
    connect(cmdremove, &QPushButton::clicked, this, &frmrules::cmdremove_Click);
    connect(cmdup, &QPushButton::clicked, this, &frmrules::cmdup_Click);
    connect(cmddown, &QPushButton::clicked, this, &frmrules::cmddown_Click);
    connect(cmdok, &QPushButton::clicked, this, &frmrules::cmdok_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmrules::cmdotm_Click);
    // A plain window has no cancel button of its own.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmrules::cmdotm_Click);
}

void frmrules::Form_Load() {
    scheme_ = soccer::loadColorScheme();
    dialogkit::paintSchemed(
        {this, lblrule, lblall, lblorder, lblpreview, cmbrule, lstall, lstorder, tblpreview},
        scheme_);
    dialogkit::paintButtons({cmdadd, cmdremove, cmdup, cmddown, cmdok, cmdotm}, scheme_);
    counting_->paint(scheme_);
    counting_->show(league_->competition.points, league_->competition.technical);
    const soccer::RankingRule &rule = league_->rankingRule;
    if (rule.preset() == soccer::RulePreset::Custom)
        customOrder_ = rule.criteria();
    showRule(rule);
    cmbrule->setFocus();
}

soccer::RankingRule frmrules::rule() const {
    const soccer::RulePreset preset = soccer::kAllPresets[cmbrule->currentIndex()];
    if (preset == soccer::RulePreset::Custom)
        return soccer::RankingRule::custom(order_);
    return soccer::RankingRule::fromPreset(preset);
}

void frmrules::showRule(const soccer::RankingRule &rule) {
    const QSignalBlocker quiet(cmbrule);
    cmbrule->setCurrentIndex(presetIndex(rule.preset()));
    order_ = rule.criteria();
    showOrder(0);
    showPreview();
}

// Any change to the order by hand makes the rule a custom one.
void frmrules::changeOrder(std::vector<Criterion> order, int selectedRow) {
    order_ = std::move(order);
    customOrder_ = order_;
    {
        const QSignalBlocker quiet(cmbrule);
        cmbrule->setCurrentIndex(presetIndex(soccer::RulePreset::Custom));
    }
    showOrder(selectedRow);
    showPreview();
}

// The chosen criteria on the right in their order, the others on the left in the order of
// kAllCriteria, so each criterion is always in exactly one of the two lists.
void frmrules::showOrder(int selectedRow) {
    const int allRow = std::max(lstall->currentRow(), 0);
    lstall->clear();
    lstorder->clear();
    for (Criterion criterion : soccer::kAllCriteria) {
        if (std::ranges::find(order_, criterion) == order_.end())
            lstall->addItem(criterionItem(criterion));
    }
    for (Criterion criterion : order_)
        lstorder->addItem(criterionItem(criterion));
    if (lstall->count() > 0)
        lstall->setCurrentRow(std::min(allRow, lstall->count() - 1));
    if (lstorder->count() > 0)
        lstorder->setCurrentRow(std::clamp(selectedRow, 0, lstorder->count() - 1));
    showButtonStates();
}

void frmrules::showButtonStates() {
    const int row = lstorder->currentRow();
    const int last = lstorder->count() - 1;
    cmdadd->setEnabled(lstall->currentRow() >= 0);
    cmdremove->setEnabled(row >= 0);
    cmdup->setEnabled(row > 0);
    cmddown->setEnabled(row >= 0 && row < last);
}

void frmrules::showPreview() {
    const std::vector<soccer::RankedRow> rows = soccer::rankingPreview(*league_, rule());
    tblpreview->setRowCount(int(rows.size()));
    for (const soccer::RankedRow &row : rows) {
        const int index = row.position - 1;
        const QString points = soccer::statisticText(soccer::totals(*league_, row.team).points);
        tblpreview->setItem(index, PlaceColumn, previewItem(row.place, Qt::AlignHCenter));
        tblpreview->setItem(index, NameColumn,
                            previewItem(league_->teamNames[row.team].toUpper(), Qt::AlignLeft));
        tblpreview->setItem(index, PointsColumn, previewItem(points, Qt::AlignRight));
        tblpreview->setItem(index, ReasonColumn, previewItem(row.reason, Qt::AlignLeft));
        // A long reason is cut off by the column; the tool tip shows it whole.
        for (int column = 0; column < PreviewColumns; ++column)
            tblpreview->item(index, column)->setToolTip(row.reason);
    }
    previewFit->fitAllColumns();
    paintPreviewRows();
}

// The preview counts the table again under the points shown, while they are a scheme.
void frmrules::showCounting() {
    const soccer::PointsScheme points = counting_->points();
    if (!soccer::pointsSchemeProblem(points).isEmpty())
        return;
    league_->competition.points = points;
    league_->competition.technical = counting_->technical();
    soccer::recountStatistics(*league_);
    showPreview();
}

// Stripes as in the results grid: odd positions in the second colour, even in the main one.
void frmrules::paintPreviewRows() {
    const QColor even = platform::toColor(scheme_.main);
    const QColor odd = platform::toColor(scheme_.second);
    for (int index = 0; index < tblpreview->rowCount(); ++index) {
        const int position = index + 1;
        for (int column = 0; column < PreviewColumns; ++column)
            tblpreview->item(index, column)->setBackground(position % 2 == 0 ? even : odd);
    }
}

std::optional<Criterion> frmrules::selectedCriterion() const {
    const QListWidgetItem *item = lstall->currentItem();
    if (!item)
        return std::nullopt;
    return Criterion(item->data(kCriterionRole).toInt());
}

// A preset shows its own order; "Свой порядок" shows the last order assembled by hand, or
// else the order shown until now, as a start to edit.
void frmrules::cmbrule_Click(int index) {
    const soccer::RulePreset preset = soccer::kAllPresets[index];
    if (preset == soccer::RulePreset::Custom)
        order_ = customOrder_.value_or(order_);
    else
        order_ = soccer::RankingRule::fromPreset(preset).criteria();
    showOrder(0);
    showPreview();
}

void frmrules::cmdadd_Click() {
    const std::optional<Criterion> criterion = selectedCriterion();
    if (!criterion)
        return;
    std::vector<Criterion> order = order_;
    order.push_back(*criterion);
    changeOrder(std::move(order), int(order_.size()));
}

void frmrules::cmdremove_Click() {
    const int row = lstorder->currentRow();
    if (row < 0)
        return;
    std::vector<Criterion> order = order_;
    order.erase(order.begin() + row);
    changeOrder(std::move(order), row);
}

void frmrules::cmdup_Click() {
    const int row = lstorder->currentRow();
    if (row <= 0)
        return;
    std::vector<Criterion> order = order_;
    std::swap(order[row - 1], order[row]);
    changeOrder(std::move(order), row - 1);
}

void frmrules::cmddown_Click() {
    const int row = lstorder->currentRow();
    if (row < 0 || row + 1 >= int(order_.size()))
        return;
    std::vector<Criterion> order = order_;
    std::swap(order[row], order[row + 1]);
    changeOrder(std::move(order), row + 1);
}

// The dialog is gone before the caller applies the rule, so that the main window it
// re-ranks is the active one again.
void frmrules::cmdok_Click() {
    const Choice chosen{rule(), counting_->points(), counting_->technical()};
    const QString problem = soccer::pointsSchemeProblem(chosen.points);
    if (!problem.isEmpty()) {
        platform::message(this, problem, QStringLiteral("Правила турнира"));
        return;
    }
    const Chosen apply = chosen_;
    close();
    if (apply)
        apply(chosen);
}

void frmrules::cmdotm_Click() {
    close();
}
