#pragma once

#include "core/league/league.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

// The options dialog: the three colours of option.dat.
class frmoption : public QWidget {
    Q_OBJECT

  public:
    static frmoption *create();

  private:
    // One colour of the scheme: its caption, its swatch, and a bar and a value label for each
    // of red, green and blue.
    struct ColourGroup {
        QLabel *caption = nullptr;
        QLabel *swatch = nullptr;
        std::array<QScrollBar *, 3> bars{};
        std::array<QLabel *, 3> values{};
    };

    frmoption();
    void buildGroup(int index, const QString &caption);
    void placeGroup(int index);
    void Form_Load();
    void showBars(const ColourGroup &group, const soccer::Rgb &rgb);
    soccer::Rgb barsColour(const ColourGroup &group) const;
    soccer::ColorScheme barsScheme() const;
    void saveAndApply();

    void group_Change(int index);
    void cmdok_Click();
    void cmdstan_Click();
    void cmdotm_Click();

    std::array<ColourGroup, 3> groups_;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdstan = nullptr;
    QPushButton *cmdotm = nullptr;
};
