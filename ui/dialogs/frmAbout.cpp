#include "ui/dialogs/frmAbout.h"

#include "core/files/options.h"
#include "ui/dialogs/dialogkit.h"
#include "ui/platform/look.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>

namespace {

const QString kProgramTitle = QStringLiteral("Тарвел");

} // namespace

frmAbout *frmAbout::create() {
    auto *box = new frmAbout();
    box->show();
    return box;
}

QString frmAbout::versionText(const QString &version) {
    QStringList parts;
    for (const QString &part : version.split(QLatin1Char('.'))) {
        parts << QString::number(part.toInt());
    }
    return QStringLiteral("Version ") + parts.join(QLatin1Char('.'));
}

frmAbout::frmAbout() {
    dialogkit::makeFixedDialog(this, QStringLiteral("О программе"), 5730, 2325);
    buildControls();
    placeControls();
    Form_Load();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::buildControls() {
    picIcon = dialogkit::label(this, QStringLiteral("picIcon"), QString());
    picIcon->setAlignment(Qt::AlignCenter);
    lblTitle = dialogkit::label(this, QStringLiteral("lblTitle"), QString());
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    lblVersion = dialogkit::label(this, QStringLiteral("lblVersion"), QString());
    Label1 = dialogkit::label(this, QStringLiteral("Label1"),
                              QStringLiteral("Программа учёта результатов футбольного чемпионата"));
    Label1->setWordWrap(true);
    cmdOK = dialogkit::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // A plain window has no default and cancel buttons of its own: Enter and Esc press OK.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return),
                                    QKeySequence(Qt::Key_Enter)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &frmAbout::cmdOK_Click);
    }
}

void frmAbout::placeControls() {
    dialogkit::placeTwips(picIcon, 240, 240, 480, 480);
    dialogkit::placeTwips(lblTitle, 960, 240, 4530, 420);
    dialogkit::placeTwips(lblVersion, 960, 720, 4530, 255);
    dialogkit::placeTwips(Label1, 960, 1020, 4530, 480);
    dialogkit::placeTwips(cmdOK, 4080, 1740, 1260, 375);
}

void frmAbout::Form_Load() {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    dialogkit::paintSchemed({this, picIcon, lblTitle, lblVersion, Label1}, scheme);
    dialogkit::paintButtons({cmdOK}, scheme);
    setWindowTitle(QStringLiteral("About ") + kProgramTitle);
    lblTitle->setText(kProgramTitle);
    lblVersion->setText(versionText(QStringLiteral(SOCCER_VERSION)));
    picIcon->setPixmap(platform::applicationIcon().pixmap(picIcon->size()));
}

void frmAbout::cmdOK_Click() {
    close();
}
