#include "ui/dialogs/frmoption.h"

#include "core/files/options.h"
#include "core/league/errors.h"
#include "ui/app/navigation.h"
#include "ui/dialogs/dialogkit.h"
#include "ui/platform/failures.h"
#include "ui/platform/look.h"
#include "ui/platform/prompts.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

// Control names by group: colour 1 has no suffix, colours 2 and 3 end in 1 and 2.
QString groupName(const QString &base, int index) {
    return index == 0 ? base : base + QString::number(index);
}

const std::array<QString, 3> kBarNames = {QStringLiteral("hr"), QStringLiteral("hg"),
                                          QStringLiteral("hb")};
const std::array<QString, 3> kValueNames = {QStringLiteral("lr"), QStringLiteral("lg"),
                                            QStringLiteral("lb")};

constexpr int kGroupLeft = 240;
constexpr int kGroupSpacing = 2400;
constexpr int kBarSpacing = 720;

} // namespace

frmoption *frmoption::create() {
    auto *dialog = new frmoption();
    dialog->show();
    return dialog;
}

frmoption::frmoption() {
    dialogkit::makeFixedDialog(this, QStringLiteral("Опции"), 9450, 4740);
    buildGroup(0, QStringLiteral("Основной цвет"));
    buildGroup(1, QStringLiteral("Второй цвет"));
    buildGroup(2, QStringLiteral("Цвет текста"));
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdstan = dialogkit::button(this, QStringLiteral("cmdstan"), QStringLiteral("Стандарт"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));
    for (int index = 0; index < 3; ++index) {
        placeGroup(index);
    }
    dialogkit::placeTwips(cmdok, 7440, 240, 1695, 495);
    dialogkit::placeTwips(cmdstan, 7440, 840, 1695, 495);
    dialogkit::placeTwips(cmdotm, 7440, 1440, 1695, 495);
    Form_Load();
    connect(cmdok, &QPushButton::clicked, this, &frmoption::cmdok_Click);
    connect(cmdstan, &QPushButton::clicked, this, &frmoption::cmdstan_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmoption::cmdotm_Click);
}

void frmoption::buildGroup(int index, const QString &caption) {
    ColourGroup &group = groups_[index];
    group.caption = dialogkit::label(this, groupName(QStringLiteral("lbl"), index), caption);
    group.swatch = dialogkit::borderedLabel(this, groupName(QStringLiteral("o"), index), QString());
    for (int part = 0; part < 3; ++part) {
        auto *bar = new QScrollBar(Qt::Vertical, this);
        bar->setObjectName(groupName(kBarNames[part], index));
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        connect(bar, &QScrollBar::valueChanged, this, [this, index] { group_Change(index); });
        group.bars[part] = bar;
        group.values[part] = dialogkit::label(this, groupName(kValueNames[part], index), QString());
        group.values[part]->setAlignment(Qt::AlignCenter);
    }
}

void frmoption::placeGroup(int index) {
    const ColourGroup &group = groups_[index];
    const int left = kGroupLeft + index * kGroupSpacing;
    dialogkit::placeTwips(group.caption, left, 120, 1695, 255);
    dialogkit::placeTwips(group.swatch, left, 420, 1695, 255);
    for (int part = 0; part < 3; ++part) {
        const int barLeft = left + part * kBarSpacing;
        dialogkit::placeTwips(group.bars[part], barLeft, 795, 255, 3015);
        dialogkit::placeTwips(group.values[part], barLeft - 120, 3870, 495, 255);
    }
}

// The bars start from the file each time; loadColorScheme has already brought components
// outside 0..255 of a hand-edited file to the nearest end.
void frmoption::Form_Load() {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    showBars(groups_[0], scheme.main);
    showBars(groups_[1], scheme.second);
    showBars(groups_[2], scheme.text);

    QList<QWidget *> mainColoured = {this, groups_[0].swatch};
    for (const ColourGroup &group : groups_) {
        mainColoured << group.caption;
        mainColoured.append(QList<QWidget *>(group.values.begin(), group.values.end()));
    }
    dialogkit::paintSchemed(mainColoured, scheme);
    dialogkit::paintButtons({cmdok, cmdstan, cmdotm}, scheme);
    for (int index = 0; index < 3; ++index) {
        group_Change(index);
    }
}

void frmoption::showBars(const ColourGroup &group, const soccer::Rgb &rgb) {
    group.bars[0]->setValue(rgb.red);
    group.bars[1]->setValue(rgb.green);
    group.bars[2]->setValue(rgb.blue);
}

soccer::Rgb frmoption::barsColour(const ColourGroup &group) const {
    return {group.bars[0]->value(), group.bars[1]->value(), group.bars[2]->value()};
}

soccer::ColorScheme frmoption::barsScheme() const {
    return {barsColour(groups_[0]), barsColour(groups_[1]), barsColour(groups_[2])};
}

void frmoption::group_Change(int index) {
    const ColourGroup &group = groups_[index];
    platform::setBackground(group.swatch, platform::toColor(barsColour(group)));
    for (int part = 0; part < 3; ++part) {
        group.values[part]->setText(QString::number(group.bars[part]->value()));
    }
}

// Writes option.dat and has the main window repaint itself from it. A failed write is
// reported and the dialog stays, so the chosen colours are not lost.
void frmoption::saveAndApply() {
    try {
        soccer::saveColorScheme(barsScheme());
    } catch (const soccer::CoreError &error) {
        platform::message(this,
                          platform::failureText(QStringLiteral("Не удалось сохранить цвета."),
                                                soccer::optionsFilePath(), error),
                          QStringLiteral("Тарвел"), platform::Buttons::Ok,
                          platform::Icon::Critical);
        return;
    }
    close();
    navigation::colorsSaved();
}

void frmoption::cmdok_Click() {
    saveAndApply();
}

void frmoption::cmdstan_Click() {
    const soccer::ColorScheme standard = soccer::ColorScheme::standard();
    showBars(groups_[0], standard.main);
    showBars(groups_[1], standard.second);
    showBars(groups_[2], standard.text);
    saveAndApply();
}

void frmoption::cmdotm_Click() {
    navigation::optionsCancelled();
    close();
}
