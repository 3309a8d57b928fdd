#include "classic/frmAbout.h"

#include "ui/platform/look.h"

#include <QLabel>
#include <QPushButton>

namespace classic {

namespace {

const QString kProgramTitle = QStringLiteral("Тарвел");
const QString kVersion = QStringLiteral("2.0.1");
const soccer::Rgb kMainColor{150, 150, 150};

// Places a control by its design measures in twips.
void placeTwips(QWidget *widget, int left, int top, int width, int height) {
    widget->setGeometry(platform::twipsToPixelsX(left), platform::twipsToPixelsY(top),
                        platform::twipsToPixelsX(width), platform::twipsToPixelsY(height));
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::twipsToPixelsX(5730), platform::twipsToPixelsY(2325));

    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    placeTwips(picIcon, 120, 120, 480, 480);
    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    placeTwips(lblTitle, 840, 120, 4740, 480);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    placeTwips(lblVersion, 840, 660, 4740, 300);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    placeTwips(Label1, 840, 1020, 4740, 300);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    placeTwips(cmdOK, 4320, 1800, 1260, 375);
    // Enter presses OK; Esc closes the box through QDialog's own reject.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    const QColor background = platform::toColor(kMainColor);
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(picIcon),
                            static_cast<QWidget *>(lblTitle), static_cast<QWidget *>(lblVersion)})
        platform::setBackground(widget, background);

    setWindowTitle(QStringLiteral("About ") + kProgramTitle);
    const int iconSize = platform::twipsToPixelsX(480);
    picIcon->setPixmap(platform::applicationIcon().pixmap(iconSize, iconSize));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setText(kProgramTitle);
    lblVersion->setText(QStringLiteral("Version ") + kVersion);
    Label1->setText(QStringLiteral("Чемпионат из 16 команд в один круг"));
}

void frmAbout::cmdOK_Click() {
    close();
}

} // namespace classic
