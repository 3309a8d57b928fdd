#pragma once

#include "core/league/league.h"
#include "core/ranking/rankingrule.h"
#include "ui/dialogs/countingcontrols.h"

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
// hand, and the points a result is worth, with the places the open table would get by them. The
// dialog works on a copy of the table taken when it opens, so the table and its shown order stay as
// they are until the caller applies the rule.
class frmrules : public QWidget {
    Q_OBJECT

  public:
    // What OK hands over: the ranking rule and how matches count.
    struct Choice {
        soccer::RankingRule rule;
        soccer::PointsScheme points;
        soccer::TechnicalCounting technical;
    };
    using Chosen = std::function<void(const Choice &)>;

    // Shows the dialog modal over the application, starting from the table's own rules, and
    // returns at once. OK hands the rules the dialog shows to `chosen` (also when they are the
    // table's rules already), unless the points are no scheme a competition can have: then it
    // says why and the dialog stays; Отмена, Esc and the window's close button change nothing.
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
    void showCounting();
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
    std::unique_ptr<CountingControls> counting_;
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
