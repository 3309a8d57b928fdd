#include "ui/dialogs/countingcontrols.h"

#include "ui/dialogs/dialogkit.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

namespace {

// The presets, then "свои": numbers typed that are no preset.
int presetIndexOf(const soccer::PointsScheme &points) {
    const auto found = std::ranges::find(soccer::kPointsPresets, points);
    return int(found - soccer::kPointsPresets.begin());
}

QSpinBox *pointsBox(QWidget *dialog, const QString &name) {
    auto *box = new QSpinBox(dialog);
    box->setObjectName(name);
    box->setRange(-99, 99);
    return box;
}

} // namespace

CountingControls::CountingControls(QWidget *dialog, Changed changed)
    : changed_(std::move(changed)) {
    lblpoints = dialogkit::label(dialog, QStringLiteral("lblpoints"),
                                 QStringLiteral("О&чки за победу, ничью, поражение:"));
    cmbpoints = new QComboBox(dialog);
    cmbpoints->setObjectName(QStringLiteral("cmbpoints"));
    for (const soccer::PointsScheme &preset : soccer::kPointsPresets)
        cmbpoints->addItem(soccer::pointsSchemeName(preset));
    cmbpoints->addItem(QStringLiteral("свои"));
    lblpoints->setBuddy(cmbpoints);
    spnwin = pointsBox(dialog, QStringLiteral("spnwin"));
    spndraw = pointsBox(dialog, QStringLiteral("spndraw"));
    spnloss = pointsBox(dialog, QStringLiteral("spnloss"));
    lbltechnical = dialogkit::label(dialog, QStringLiteral("lbltechnical"),
                                    QStringLiteral("&Технический результат:"));
    cmbtechnical = new QComboBox(dialog);
    cmbtechnical->setObjectName(QStringLiteral("cmbtechnical"));
    cmbtechnical->addItems({QStringLiteral("победа 3:0 с мячами"), QStringLiteral("только очки")});
    lbltechnical->setBuddy(cmbtechnical);
    QObject::connect(cmbpoints, &QComboBox::currentIndexChanged, cmbpoints,
                     [this](int index) { cmbpoints_Click(index); });
    for (QSpinBox *box : {spnwin, spndraw, spnloss})
        QObject::connect(box, &QSpinBox::valueChanged, box, [this] { spnpoints_Change(); });
    QObject::connect(cmbtechnical, &QComboBox::currentIndexChanged, cmbtechnical,
                     [this] { changed_(); });
}

void CountingControls::place(int top) {
    dialogkit::placeTwips(lblpoints, 120, top, 4200, 255);
    dialogkit::placeTwips(cmbpoints, 120, top + 255, 1335, 315);
    dialogkit::placeTwips(spnwin, 1575, top + 255, 855, 315);
    dialogkit::placeTwips(spndraw, 2490, top + 255, 855, 315);
    dialogkit::placeTwips(spnloss, 3405, top + 255, 855, 315);
    dialogkit::placeTwips(lbltechnical, 4440, top, 2010, 255);
    dialogkit::placeTwips(cmbtechnical, 4440, top + 255, 2010, 315);
}

void CountingControls::paint(const soccer::ColorScheme &scheme) {
    dialogkit::paintSchemed(
        {lblpoints, cmbpoints, spnwin, spndraw, spnloss, lbltechnical, cmbtechnical}, scheme);
}

QList<QWidget *> CountingControls::tabOrder() const {
    return {cmbpoints, spnwin, spndraw, spnloss, cmbtechnical};
}

void CountingControls::show(const soccer::PointsScheme &points,
                            soccer::TechnicalCounting technical) {
    const QSignalBlocker quietPreset(cmbpoints);
    const QSignalBlocker quietWin(spnwin);
    const QSignalBlocker quietDraw(spndraw);
    const QSignalBlocker quietLoss(spnloss);
    const QSignalBlocker quietTechnical(cmbtechnical);
    cmbpoints->setCurrentIndex(presetIndexOf(points));
    spnwin->setValue(points.win);
    spndraw->setValue(points.draw);
    spnloss->setValue(points.loss);
    cmbtechnical->setCurrentIndex(int(technical));
}

soccer::PointsScheme CountingControls::points() const {
    return {spnwin->value(), spndraw->value(), spnloss->value()};
}

soccer::TechnicalCounting CountingControls::technical() const {
    return soccer::TechnicalCounting(cmbtechnical->currentIndex());
}

// A preset fills in its numbers; "свои" keeps the numbers shown, to be edited.
void CountingControls::cmbpoints_Click(int index) {
    if (index >= int(soccer::kPointsPresets.size()))
        return;
    show(soccer::kPointsPresets[std::size_t(index)], technical());
    changed_();
}

void CountingControls::spnpoints_Change() {
    const QSignalBlocker quiet(cmbpoints);
    cmbpoints->setCurrentIndex(presetIndexOf(points()));
    changed_();
}
