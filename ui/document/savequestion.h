#pragma once

#include <QString>
#include <functional>

class QWidget;

// The questions both programs ask before a table with changes is left: the same words, the
// same answers, the same way of going on after a save that did not write.
namespace document {

// What a Save command came to: written, the user said no to "Сохранить?", the user would not
// write over another program's changes, or the write failed.
enum class SaveOutcome { Saved, Declined, Withheld, Failed };
using SaveCommand = std::function<SaveOutcome()>;

// Offers to save before the table is left (Да, Нет, Отмена); false when the user cancelled or
// the table the user meant to save was not written, since going on would lose it.
bool offerToSave(QWidget *parent, const QString &question, const QString &title,
                 const SaveCommand &save);

// The questions before the program ends: whether to leave at all and, when the table holds
// changes not yet saved, whether to save them first. False when the program is to go on: the
// user said no, cancelled, or the save did not write the table.
bool confirmExit(QWidget *parent, const QString &title, bool modified, const SaveCommand &save);

} // namespace document
