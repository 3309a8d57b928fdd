#pragma once

#include "core/publish/publishedseason.h"

#include <QList>
#include <QWidget>
#include <memory>

class FormDelegate;
class LeagueDocument;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QSpinBox;
class QTableView;
class QThread;
class SeasonModel;

// The selectors of the results view, "После тура: k / все матчи" or "На дату", "Все матчи / Дома /
// В гостях", "Последние 5" and "Места", and the grid that shows the results table they choose. With
// all matches and no column asked the window shows its own results grid instead, exactly as it
// always has. The places are computed on a worker thread, which a change of the table or of the
// selectors cancels.
class SeasonView : public QWidget {
    Q_OBJECT

  public:
    // The grid is made as a child of `gridParent`, where the window places it.
    SeasonView(LeagueDocument *document, QWidget *parent, QWidget *gridParent);
    ~SeasonView() override;

    QTableView *grid() const { return MSV; }
    SeasonModel *model() const { return model_; }
    // True while the selectors choose the results table as it always was.
    bool isPlain() const { return publishing().isPlain(); }
    // The selectors as the exports and the print take them.
    soccer::SeasonPublishing publishing() const;
    // True while the places of the table shown are still being computed.
    bool placesPending() const { return bool(job_); }

  signals:
    // The selectors changed: the window shows this grid or its own.
    void viewChanged();
    // The worker's places are in the grid.
    void placesShown();

  private:
    struct PlacesJob;

    void fillRounds();
    void fillDates();
    void refresh();
    void startPlaces();
    void cancelPlaces();
    void cborounds_Click(int index);
    void chkdate_Click();
    void dtpdate_Change();
    void cboside_Click(int index);
    void chkform_Click();
    void chkplaces_Click();
    void spnrelegation_Change(int places);
    void showRelegation();

    LeagueDocument *document_;
    SeasonModel *model_;
    QComboBox *cborounds;
    QCheckBox *chkdate;
    QDateEdit *dtpdate;
    QComboBox *cboside;
    QCheckBox *chkform;
    QCheckBox *chkplaces;
    QSpinBox *spnrelegation;
    QTableView *MSV;
    FormDelegate *formDelegate_ = nullptr;
    std::shared_ptr<PlacesJob> job_;
    QList<soccer::TeamPlaces> places_; // the last the worker found
    QList<QThread *> running_;
};
