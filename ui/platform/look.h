#pragma once

#include "core/league/league.h"

#include <QColor>
#include <QIcon>
#include <QString>

class QWidget;

// Measures in twips (1/1440 inch), colours of the scheme, and the pictures of the buttons.
namespace platform {

// Converted with the primary screen's logical DPI.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
int pixelsToTwipsX(int pixels);
int pixelsToTwipsY(int pixels);

QColor toColor(const soccer::Rgb &rgb);

// Background (autofilled palette Window/Base/Button roles) and text colour of one widget.
void setBackground(QWidget *widget, const QColor &color);
void setTextColor(QWidget *widget, const QColor &color);

// Pictures drawn by the program itself for the tool-bar buttons. Names: "new", "open", "save",
// "chess1", "chess2", "table", "rename", "clear", "option", "help", "about", "exit".
QIcon commandIcon(const QString &name);
// The program's own picture: the title bars of its windows and the About box.
QIcon applicationIcon();

// Loads Qt's own Russian texts (standard buttons "Да", "Нет", "Отмена", the file dialog).
void installRussianTranslations();

} // namespace platform
