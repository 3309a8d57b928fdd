#include "ui/dialogs/dialogkit.h"

#include "core/files/wholefile.h"
#include "ui/platform/look.h"

#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace dialogkit {

const std::array<TableType, 3> &tableTypes() {
    static const std::array<TableType, 3> types = {
        TableType{QStringLiteral("Таблицы          (*.TFL)"), QStringLiteral(".TFL")},
        TableType{QStringLiteral("Текстовые файлы  (*.TXT)"), QStringLiteral(".TXT")},
        TableType{QStringLiteral("DATA файлы       (*.DAT)"), QStringLiteral(".DAT")},
    };
    return types;
}

const TableType *tableTypeOf(const QString &text) {
    for (const TableType &type : tableTypes()) {
        if (type.item == text) {
            return &type;
        }
    }
    return nullptr;
}

QComboBox *typeBox(QWidget *parent) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cmbfile"));
    box->setEditable(true);
    // Enter in the edit field must not grow the list: only the three types exist.
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const TableType &type : tableTypes()) {
        box->addItem(type.item);
    }
    box->setCurrentIndex(0);
    return box;
}

QString reasonItIsNoFile(const QString &path) {
    const QString kind = soccer::describePathKind(path);
    return kind.isEmpty() ? QStringLiteral("Файл не найден:\n") + path
                          : path + QStringLiteral(" — ") + kind;
}

void makeFixedDialog(QWidget *window, const QString &caption, int widthTwips, int heightTwips) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(caption);
    window->setFixedSize(platform::twipsToPixelsX(widthTwips),
                         platform::twipsToPixelsY(heightTwips));
}

void placeTwips(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(platform::twipsToPixelsX(left), platform::twipsToPixelsY(top),
                         platform::twipsToPixelsX(width), platform::twipsToPixelsY(height));
}

QLabel *label(QWidget *parent, const QString &name, const QString &text) {
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    return result;
}

QLabel *borderedLabel(QWidget *parent, const QString &name, const QString &text) {
    QLabel *result = label(parent, name, text);
    result->setFrameStyle(QFrame::Box | QFrame::Plain);
    result->setLineWidth(1);
    return result;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text) {
    auto *result = new QPushButton(text, parent);
    result->setObjectName(name);
    return result;
}

void paintSchemed(const QList<QWidget *> &controls, const soccer::ColorScheme &scheme) {
    const QColor background = platform::toColor(scheme.main);
    const QColor text = platform::toColor(scheme.text);
    for (QWidget *control : controls) {
        platform::setBackground(control, background);
        platform::setTextColor(control, text);
    }
}

void paintButtons(const QList<QPushButton *> &buttons, const soccer::ColorScheme &scheme) {
    const QColor background = platform::toColor(scheme.main);
    for (QPushButton *each : buttons) {
        platform::setBackground(each, background);
    }
}

void paintDisabledTexts(const QList<QWidget *> &controls, const soccer::ColorScheme &scheme) {
    const QColor text = platform::toColor(scheme.text);
    const QColor main = platform::toColor(scheme.main);
    const QColor faded((text.red() + main.red()) / 2, (text.green() + main.green()) / 2,
                       (text.blue() + main.blue()) / 2);
    for (QWidget *control : controls) {
        QPalette palette = control->palette();
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, faded);
        control->setPalette(palette);
    }
}

} // namespace dialogkit
