#pragma once

#include "core/league/league.h"
#include "core/season/draw.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The draw of the season's calendar: the date of the first round and the days between rounds
// (or no dates), the teams numbered as they stand or by lot, and round 1 as these options
// draw it. The dialog works on a copy of the table; OK hands the drawn calendar over.
class frmcalendar : public QWidget {
    Q_OBJECT

  public:
    using Drawn = std::function<void(const soccer::Calendar &)>;

    // Shows the dialog modal over the application and returns at once. OK hands the calendar
    // the options draw to `drawn`; Отмена, Esc and the window's close button change nothing.
    static frmcalendar *create(QWidget *parent, const soccer::League &league, Drawn drawn);

    // The options the controls show now; the lot's seed is chosen once when the dialog opens,
    // so that the preview and OK draw the same calendar.
    soccer::DrawOptions options() const;

  private:
    frmcalendar(QWidget *parent, const soccer::League &league, Drawn drawn);
    void buildControls();
    void placeControls();
    void connectControls();
    void Form_Load();
    void showPreview();

    void chknodates_Click();
    void cmdok_Click();
    void cmdotm_Click();

    std::unique_ptr<soccer::League> league_;
    Drawn drawn_;
    std::uint32_t seed_;

    QLabel *lblfirst = nullptr;
    QDateEdit *dtpfirst = nullptr;
    QLabel *lblevery = nullptr;
    QSpinBox *spnevery = nullptr;
    QCheckBox *chknodates = nullptr;
    QRadioButton *optstand = nullptr;
    QRadioButton *optlot = nullptr;
    QLabel *lblpreview = nullptr;
    QListWidget *lstpreview = nullptr;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdotm = nullptr;
};
