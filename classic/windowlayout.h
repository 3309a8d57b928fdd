#pragma once

#include "classic/classicleague.h"

#include <QString>
#include <QTableWidget>
#include <QWidget>

// What the classic window's files share: its title, its measures and its grid columns.
namespace classic::windowlayout {

inline const QString kTitle = QStringLiteral("Тарвел");

// Measures of the window in twips.
constexpr int kClientWidth = 13065;
constexpr int kClientHeight = 4695;
constexpr int kButtonSize = 600;

// Grid columns: 0 numbers, 1 names; MS has the results against teams 1..16 in 2..17 and the
// counters in 18..22, MSF the counters in 2..6.
constexpr int kNameColumn = 1;
constexpr int kFirstResultColumn = 2;
constexpr int kFirstCounterColumn = kFirstResultColumn + kTeams;
constexpr int kResultsFirstCounterColumn = 2;

inline void setCellText(QTableWidget *grid, int row, int column, const QString &text) {
    grid->item(row, column)->setText(text);
}

// Fills a grid with many texts at once and lets it repaint only once at the end.
class BatchUpdate {
  public:
    explicit BatchUpdate(QWidget *widget) : widget_(widget) { widget_->setUpdatesEnabled(false); }
    ~BatchUpdate() { widget_->setUpdatesEnabled(true); }
    BatchUpdate(const BatchUpdate &) = delete;
    BatchUpdate &operator=(const BatchUpdate &) = delete;

  private:
    QWidget *widget_;
};

} // namespace classic::windowlayout
