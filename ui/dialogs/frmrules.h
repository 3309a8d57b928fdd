#pragma once

#include "core/league/league.h"
#include "core/ranking/rankingrule.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
namespace platform {
class ColumnFit;
}

// The tournament rules dialog: one of the presets, or an order of the criteria assembled by
// hand, with the places the open table would get by it. The dialog works on a copy of the
// table taken when it opens, so the table and its shown order stay as they are until the
// caller applies the rule.
class frmrules : public QWidget {
    Q_OBJECT

  public:
    using Chosen = std::function<void(const soccer::RankingRule &)>;

    // Shows the dialog modal over the application, starting from the table's own rule, and
    // returns at once. OK hands the rule the dialog shows to `chosen` (also when it is the
    // table's rule already); Отмена, Esc and the window's close button change nothing.
    static frmrules *create(QWidget *parent, const soccer::League &league, Chosen chosen);

    // The rule the controls show now.
    soccer::RankingRule rule() const;

  private:
    frmrules(QWidget *parent, const soccer::League &league, Chosen chosen);
    void buildControls();
    void buildLists();
    void buildPreview();
    void placeControls();
    void connectControls();
    void Form_Load();
    void showRule(const soccer::RankingRule &rule);
    void changeOrder(std::vector<soccer::Criterion> order, int selectedRow);
    void showOrder(int selectedRow);
    void showButtonStates();
    void showPreview();
    void paintPreviewRows();
    std::optional<soccer::Criterion> selectedCriterion() const;

    void cmbrule_Click(int index);
    void cmdadd_Click();
    void cmdremove_Click();
    void cmdup_Click();
    void cmddown_Click();
    void cmdok_Click();
    void cmdotm_Click();

    std::unique_ptr<soccer::League> league_;
    Chosen chosen_;
    soccer::ColorScheme scheme_;
    // The criteria after points, as the order list shows them.
    std::vector<soccer::Criterion> order_;
    // The last order assembled by hand, shown again when "Свой порядок" is chosen after a
    // look at a preset.
    std::optional<std::vector<soccer::Criterion>> customOrder_;

    QLabel *lblrule = nullptr;
    QComboBox *cmbrule = nullptr;
    QLabel *lblall = nullptr;
    QListWidget *lstall = nullptr;
    QLabel *lblorder = nullptr;
    QListWidget *lstorder = nullptr;
    QPushButton *cmdadd = nullptr;
    QPushButton *cmdremove = nullptr;
    QPushButton *cmdup = nullptr;
    QPushButton *cmddown = nullptr;
    QLabel *lblpreview = nullptr;
    QTableWidget *tblpreview = nullptr;
    platform::ColumnFit *previewFit = nullptr; // no name or reason is cut off
    QPushButton *cmdok = nullptr;
    QPushButton *cmdotm = nullptr;
};
