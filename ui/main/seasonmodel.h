#pragma once

#include "core/league/columns.h"
#include "core/league/standings.h"
#include "core/season/seasontable.h"
#include "ui/main/gridcolors.h"

#include <QAbstractTableModel>
#include <vector>

// The results table of the season over time as the window shows it: the place, the team, the
// movement when a round is chosen, the counters of the results grid, and when asked the form
// and the places. The places come later, from a worker; until then their cells say so.
class SeasonModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Column { Place, Name, Movement, Statistic, Form, Places };

    explicit SeasonModel(QObject *parent = nullptr);

    // Counts and ranks the view of the league now (the places left open).
    void show(const soccer::League &league, const soccer::TableView &view,
              const soccer::SeasonColumns &columns);
    // The places the worker found, and how many last places are relegated.
    void setPlaces(const QList<soccer::TeamPlaces> &places, int relegationPlaces);

    // The user's colour scheme, striped as the window's results grid is.
    void setColors(const soccer::ColorScheme &scheme);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    Column kindOf(int column) const { return columns_[std::size_t(column)].kind; }
    // The results of the row's team, oldest first, for the form's painter.
    const std::vector<soccer::FormResult> &formAt(int row) const;

  private:
    struct ColumnSpec {
        Column kind;
        const soccer::StatisticColumn *statistic = nullptr;
    };
    QString text(int row, const ColumnSpec &column) const;
    QString placesText(int team) const;
    QString placesNote(int team) const;
    QBrush background(int row, const ColumnSpec &column) const;

    soccer::SeasonTable table_;
    std::vector<soccer::ResultsRow> rows_;
    std::vector<ColumnSpec> columns_;
    QList<soccer::TeamPlaces> places_;
    int relegationPlaces_ = 0;
    GridColors colors_ = GridColors::of(soccer::ColorScheme::standard());
};
