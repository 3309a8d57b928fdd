#pragma once

#include "core/league/league.h"

#include <QList>
#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// What the four dialogs have in common: the table types of the type box, the reason a name is
// no table file, placing controls in twips, the fixed dialog frame and painting controls in the
// colour scheme.
namespace dialogkit {

// One entry of the type box: the item text and the extension it stands for.
struct TableType {
    QString item; // "Таблицы          (*.TFL)", the labels padded so the brackets line up
    QString extension; // ".TFL"

    QString pattern() const { return QStringLiteral("*") + extension; }
};

// TFL, TXT, DAT, in the order the type box lists them.
const std::array<TableType, 3> &tableTypes();
// The type whose item text is exactly `text`, or nullptr for a text edited by hand.
const TableType *tableTypeOf(const QString &text);
// Editable type box holding the three items, the TFL item shown.
QComboBox *typeBox(QWidget *parent);

// Why `path` is no table file to open, found without opening it: "<path> — это папка" and the
// like, or "Файл не найден:" and the path on the next line when nothing is there.
QString reasonItIsNoFile(const QString &path);

// A top-level window of fixed client size, without minimise and maximise buttons.
void makeFixedDialog(QWidget *window, const QString &caption, int widthTwips, int heightTwips);
void placeTwips(QWidget *control, int left, int top, int width, int height);

QLabel *label(QWidget *parent, const QString &name, const QString &text);
// A label with a single-line border, as the value and path displays are drawn.
QLabel *borderedLabel(QWidget *parent, const QString &name, const QString &text);
QPushButton *button(QWidget *parent, const QString &name, const QString &text);

// Main colour as background and text colour as text colour, as the windows paint themselves.
void paintSchemed(const QList<QWidget *> &controls, const soccer::ColorScheme &scheme);
// Buttons only take the main colour; their text keeps the style's colour.
void paintButtons(const QList<QPushButton *> &buttons, const soccer::ColorScheme &scheme);
// The scheme's text colour is set for every state, which makes a disabled control look
// enabled; this draws the disabled texts of the controls and of the children that take
// their colours half-way between the text and the main colour.
void paintDisabledTexts(const QList<QWidget *> &controls, const soccer::ColorScheme &scheme);

} // namespace dialogkit
