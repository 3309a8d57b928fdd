#include "ui/dialogs/frmnew.h"

#include "core/files/locations.h"
#include "core/files/options.h"
#include "core/files/tablefile.h"
#include "core/files/wholefile.h"
#include "core/league/errors.h"
#include "ui/dialogs/dialogkit.h"
#include "ui/dialogs/frmopen.h"
#include "ui/platform/confirmreplace.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int kFewestTeams = 4;

const QString kTitle = QStringLiteral("Тарвел");

// A new name is written at once and a file only when the user agrees. Anything else of that
// name (a folder, a named pipe, a device, a loop of links) cannot become a table and is
// never opened: writing into a pipe would wait for a reader.
bool mayWriteTableAt(QWidget *parent, const QString &path) {
    if (!soccer::describePathKind(path).isEmpty()) {
        platform::message(parent, dialogkit::reasonItIsNoFile(path), kTitle);
        return false;
    }
    // A table replaced by a blank one is a season lost: replacing is asked, never assumed.
    return platform::confirmReplace(parent, path);
}

} // namespace

frmnew *frmnew::create(Origin origin) {
    auto *dialog = new frmnew(origin);
    dialog->show();
    return dialog;
}

frmnew::frmnew(Origin origin) : origin_(origin) {
    dialogkit::makeFixedDialog(this, QStringLiteral("Создание файла"), 4725, 2760);
    buildControls();
    placeControls();
    Form_Load();
    connect(vscrl, &QScrollBar::actionTriggered, this, &frmnew::vscrl_Scroll);
    connect(vscrl, &QScrollBar::valueChanged, this, &frmnew::vscrl_Change);
    connect(cmdok, &QPushButton::clicked, this, &frmnew::cmdok_Click);
    connect(txtnam, &QLineEdit::returnPressed, this, &frmnew::cmdok_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmnew::cmdotm_Click);
}

void frmnew::buildControls() {
    Label1 = dialogkit::label(this, QStringLiteral("Label1"),
                              QStringLiteral("Введите название таблицы:"));
    txtnam = new QLineEdit(this);
    txtnam->setObjectName(QStringLiteral("txtnam"));
    Label2 = dialogkit::label(this, QStringLiteral("Label2"), QStringLiteral("Количество команд:"));
    Label2->setWordWrap(true); // narrow column: the caption takes two lines above the count
    txtchis =
        dialogkit::borderedLabel(this, QStringLiteral("txtchis"), QString::number(kFewestTeams));
    txtchis->setAlignment(Qt::AlignCenter);

    vscrl = new QScrollBar(Qt::Vertical, this);
    vscrl->setObjectName(QStringLiteral("vscrl"));
    vscrl->setRange(kFewestTeams, soccer::kMaxTeams);
    vscrl->setSingleStep(1);
    vscrl->setPageStep(1);
    // The largest count at the top; vscrl_Scroll turns the steps round to match.
    vscrl->setInvertedAppearance(true);
    vscrl->setValue(kFewestTeams);
    // A scroll bar takes no focus by default; this one is the only way to set the count.
    vscrl->setFocusPolicy(Qt::StrongFocus);
    vscrl->installEventFilter(this);
    // Its menu would offer "top" and "bottom" the wrong way round and nothing a count needs.
    vscrl->setContextMenuPolicy(Qt::NoContextMenu);

    cmbfile = dialogkit::typeBox(this);
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Отмена"));

    // As the controls are read: name, count, type, then the buttons.
    setTabOrder(txtnam, vscrl);
    setTabOrder(vscrl, cmbfile);
    setTabOrder(cmbfile, cmdok);
    setTabOrder(cmdok, cmdotm);
}

void frmnew::placeControls() {
    dialogkit::placeTwips(Label1, 120, 360, 2820, 255);
    dialogkit::placeTwips(txtnam, 120, 615, 2820, 315);
    dialogkit::placeTwips(Label2, 3060, 120, 1545, 480);
    dialogkit::placeTwips(txtchis, 3060, 615, 720, 375);
    dialogkit::placeTwips(vscrl, 3780, 615, 255, 375);
    dialogkit::placeTwips(cmbfile, 120, 1095, 2820, 315);
    dialogkit::placeTwips(cmdok, 120, 2040, 1695, 495);
    dialogkit::placeTwips(cmdotm, 2910, 2040, 1695, 495);
}

void frmnew::Form_Load() {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    dialogkit::paintSchemed({this, Label1, Label2, txtchis, txtnam, cmbfile}, scheme);
    dialogkit::paintButtons({cmdok, cmdotm}, scheme);
    txtnam->setFocus();
}

// The bar is drawn upside down, 99 at the top, but its arrows, trough, keys and wheel still
// step towards the minimum at the top. Each step is turned round before it takes effect, so
// the upper arrow, the Up and Page Up keys and the wheel turned up raise the count. The wheel
// moves the slider without holding it; a drag holds it and is left as it is.
void frmnew::vscrl_Scroll(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
        vscrl->setSliderPosition(vscrl->value() - 1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
        vscrl->setSliderPosition(vscrl->value() + 1);
        break;
    case QAbstractSlider::SliderMove:
        if (!vscrl->isSliderDown()) {
            vscrl->setSliderPosition(2 * vscrl->value() - vscrl->sliderPosition());
        }
        break;
    default:
        break;
    }
}

void frmnew::vscrl_Change(int value) {
    txtchis->setText(QString::number(value));
}

// The style draws no focus on a scroll bar, so the count beside it shows where the keys go.
void frmnew::vscrl_FocusChange(bool focused) {
    txtchis->setLineWidth(focused ? 2 : 1);
}

bool frmnew::eventFilter(QObject *watched, QEvent *event) {
    if (watched == vscrl &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        vscrl_FocusChange(event->type() == QEvent::FocusIn);
    }
    return QWidget::eventFilter(watched, event);
}

// Tables are always made in the program's folder: a name with a folder in it would put the
// file elsewhere.
bool frmnew::nameIsUsable(const QString &name) {
    if (name.isEmpty()) {
        platform::message(this, QStringLiteral("Введите имя"), kTitle);
        return false;
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        platform::message(this, QStringLiteral("Имя таблицы не может содержать знаки / и \\"),
                          kTitle);
        return false;
    }
    return true;
}

// The extension of the chosen type is appended even when the name already ends in it; a
// type text edited by hand appends nothing.
QString frmnew::nameWithExtension() const {
    const dialogkit::TableType *type = dialogkit::tableTypeOf(cmbfile->currentText());
    return type ? txtnam->text() + type->extension : txtnam->text();
}

bool frmnew::writeTable(const QString &path) {
    try {
        soccer::writeBlankTable(path, txtchis->text().toInt());
        return true;
    } catch (const soccer::CoreError &error) {
        platform::message(
            this, platform::failureText(QStringLiteral("Не удалось создать файл."), path, error),
            kTitle, platform::Buttons::Ok, platform::Icon::Critical);
        return false;
    }
}

void frmnew::cmdok_Click() {
    const QString typed = txtnam->text();
    if (!nameIsUsable(typed)) {
        return;
    }
    txtnam->setText(nameWithExtension());
    const QString path = soccer::tablesFolder() + QStringLiteral("/") + txtnam->text();
    if (!mayWriteTableAt(this, path) || !writeTable(path)) {
        // Back to what the user typed, so that a second OK does not append the type twice.
        txtnam->setText(typed);
        return;
    }
    frmopen::pros() = path;
    navigation::tableChosen();
    finish();
}

void frmnew::cmdotm_Click() {
    showWindowBehind();
    finish();
}

void frmnew::showWindowBehind() {
    navigation::newTableCancelled(origin_);
}

void frmnew::finish() {
    finished_ = true;
    close();
}

void frmnew::closeEvent(QCloseEvent *event) {
    if (!finished_) {
        finished_ = true;
        showWindowBehind();
    }
    event->accept();
}
