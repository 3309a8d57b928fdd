#include "ui/main/roundview.h"

#include "ui/main/roundmodel.h"
#include "ui/platform/look.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

RoundView::RoundView(LeagueDocument *document, QWidget *parent)
    : QWidget(parent), model_(new RoundModel(document, this)), cmbtour(new QComboBox(this)),
      lsttour(new QListView(this)),
      lblnotours(new QLabel(QStringLiteral("В таблице нет календаря. Составьте его: Меню → "
                                           "Календарь..."),
                            this)) {
    setObjectName(QStringLiteral("frtours"));
    cmbtour->setObjectName(QStringLiteral("cmbtour"));
    cmbtour->setAccessibleName(QStringLiteral("Тур"));
    lsttour->setObjectName(QStringLiteral("lsttour"));
    lsttour->setAccessibleName(QStringLiteral("Матчи тура"));
    lsttour->setModel(model_);
    lsttour->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsttour->setContextMenuPolicy(Qt::ActionsContextMenu);
    lblnotours->setObjectName(QStringLiteral("lblnotours"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblnotours);
    layout->addWidget(cmbtour);
    layout->addWidget(lsttour, 1);
    layout->addStretch();

    connect(model_, &RoundModel::roundsChanged, this, &RoundView::fillRounds);
    // A step on the calendar reads the round anew; the keys stay on the row they were on.
    connect(model_, &RoundModel::modelAboutToBeReset, this,
            [this] { keptRow_ = lsttour->currentIndex().row(); });
    connect(model_, &RoundModel::modelReset, this, [this] {
        const int row = std::min(keptRow_, model_->rowCount() - 1);
        if (row >= 0)
            lsttour->setCurrentIndex(model_->index(row));
    });
    connect(cmbtour, &QComboBox::currentIndexChanged, this, &RoundView::cmbtour_Click);
    // Enter, and a double click where the style does not activate on one click.
    connect(lsttour, &QListView::activated, this, [this] {
        if (currentMatch())
            emit matchActivated();
    });
    fillRounds();
}

QListView *RoundView::matchList() const {
    return lsttour;
}

const soccer::SeasonMatch *RoundView::currentMatch() const {
    return model_->matchAt(lsttour->currentIndex().row());
}

void RoundView::takeFocus() {
    if (model_->rowCount() > 0) {
        if (!lsttour->currentIndex().isValid())
            lsttour->setCurrentIndex(model_->index(0));
        lsttour->setFocus();
    } else {
        cmbtour->setFocus();
    }
}

void RoundView::paint(const QColor &main, const QColor &text) {
    for (QWidget *control : {static_cast<QWidget *>(lblnotours), static_cast<QWidget *>(lsttour)}) {
        platform::setBackground(control, main);
        platform::setTextColor(control, text);
    }
}

// The rounds anew after a change of the calendar, the round shown kept where it still is. Only
// rounds with a match are offered: a match moved to a far-off round adds that round, not every
// empty one before it.
void RoundView::fillRounds() {
    const bool any = model_->roundCount() > 0;
    lblnotours->setVisible(!any);
    cmbtour->setVisible(any);
    lsttour->setVisible(any);
    const QSignalBlocker quiet(cmbtour);
    cmbtour->clear();
    for (int round = 1; round <= model_->roundCount(); ++round)
        if (model_->hasMatches(round))
            cmbtour->addItem(model_->roundTitle(round), round);
    const int shown = cmbtour->findData(model_->round());
    if (shown < 0 && cmbtour->count() > 0)
        model_->showRound(cmbtour->itemData(0).toInt());
    cmbtour->setCurrentIndex(std::max(shown, 0));
}

// Another round starts at its first match.
void RoundView::cmbtour_Click(int index) {
    model_->showRound(cmbtour->itemData(index).toInt());
    lsttour->setCurrentIndex(model_->index(0));
}
