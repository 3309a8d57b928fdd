#include "ui/platform/prompts.h"

#include "core/files/locations.h"
#include "ui/platform/look.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {

// Prompts stand 5000 twips from the left and the top of the screen.
constexpr int kPromptOffsetTwips = 5000;

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

// Qt reads the patterns from the last brackets of a filter; descriptions that already show
// their pattern in brackets are used as they are.
QStringList nameFilters(const QList<FileFilter> &filters) {
    QStringList result;
    for (const FileFilter &filter : filters) {
        const QString shown = QStringLiteral("(%1)").arg(filter.pattern);
        result << (filter.description.trimmed().endsWith(shown)
                       ? filter.description
                       : QStringLiteral("%1 (%2)").arg(filter.description, filter.pattern));
    }
    return result;
}

// A message box wraps its text only where the line breaking rules allow, and cuts off a
// longer piece, such as a long file name in a path. Such a piece gets a break opportunity (an
// invisible zero-width space) after every character; shorter pieces keep theirs at blanks and
// slashes. Only the text shown changes, not the text the callers pass.
QString withBreakOpportunities(const QString &text) {
    constexpr int kLongestUnbrokenPiece = 30;
    const QChar zeroWidthSpace(0x200B);
    QString result;
    qsizetype pieceStart = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !text.at(at).isSpace() && text.at(at) != QLatin1Char('/'))
            continue;
        const QStringView piece = QStringView(text).mid(pieceStart, at - pieceStart);
        if (piece.size() > kLongestUnbrokenPiece) {
            for (const QChar character : piece)
                result += QString(character) + zeroWidthSpace;
        } else {
            result += piece;
        }
        if (at < text.size())
            result += text.at(at);
        pieceStart = at + 1;
    }
    return result;
}

class WidgetPrompter : public Prompter {
  public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override {
        QMessageBox box(boxIcon(icon), title, withBreakOpportunities(text),
                        standardButtons(buttons), parent);
        if (buttons == Buttons::YesNo)
            box.setEscapeButton(QMessageBox::No);
        else if (buttons == Buttons::YesNoCancel)
            box.setEscapeButton(QMessageBox::Cancel);
        return answerOf(box.exec());
    }

    int choice(QWidget *parent, const QString &text, const QString &title,
               const QStringList &buttons) override {
        QMessageBox box(QMessageBox::Question, title, withBreakOpportunities(text),
                        QMessageBox::NoButton, parent);
        QList<QAbstractButton *> added;
        for (const QString &caption : buttons)
            added.append(box.addButton(caption, QMessageBox::ActionRole));
        if (!added.isEmpty())
            box.setEscapeButton(added.last());
        box.exec();
        const qsizetype chosen = added.indexOf(box.clickedButton());
        return chosen < 0 ? int(buttons.size()) - 1 : int(chosen);
    }

    std::optional<QString> input(QWidget *parent, const QString &text, const QString &title,
                                 const QString &defaultAnswer) override {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(text);
        dialog.setTextValue(defaultAnswer);
        const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
        dialog.move(origin +
                    QPoint(twipsToPixelsX(kPromptOffsetTwips), twipsToPixelsY(kPromptOffsetTwips)));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }

    std::optional<QString> fileName(QWidget *parent, FileMode mode,
                                    const QList<FileFilter> &filters,
                                    const QString &suggested) override {
        const std::optional<SaveChoice> chosen = choose(parent, mode, filters, suggested);
        return chosen ? std::optional<QString>(chosen->path) : std::nullopt;
    }

    std::optional<SaveChoice> saveChoice(QWidget *parent, const QList<FileFilter> &filters,
                                         const QString &suggested) override {
        return choose(parent, FileMode::Save, filters, suggested);
    }

    void endProgram(int exitCode) override {
        for (QWidget *window : QApplication::topLevelWidgets())
            window->hide();
        // Leaves every running event loop now; before the main loop has started, the queued
        // call ends it as soon as it starts.
        QCoreApplication::exit(exitCode);
        QTimer::singleShot(0, QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); });
    }

  private:
    std::optional<SaveChoice> choose(QWidget *parent, FileMode mode,
                                     const QList<FileFilter> &filters, const QString &suggested) {
        const QFileInfo offered(suggested);
        QFileDialog dialog(parent, QString(),
                           suggested.isEmpty() ? lastFolder_ : offered.absolutePath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QStringList shownFilters = nameFilters(filters);
        dialog.setNameFilters(shownFilters);
        if (mode == FileMode::Save) {
            // The save command asks its own question; the dialog adds none and no extension.
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        } else {
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
        }
        if (!suggested.isEmpty())
            dialog.selectFile(offered.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString chosen = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
        lastFolder_ = QFileInfo(chosen).absolutePath();
        return SaveChoice{chosen,
                          std::max(0, int(shownFilters.indexOf(dialog.selectedNameFilter())))};
    }

    QString lastFolder_ = soccer::tablesFolder();
};

Prompter *installed = nullptr;

} // namespace

Prompter &prompter() {
    static WidgetPrompter real;
    return installed ? *installed : real;
}

void installPrompter(Prompter *replacement) {
    installed = replacement;
}

ScriptedPrompter::ScriptedPrompter() {
    installPrompter(this);
}

ScriptedPrompter::~ScriptedPrompter() {
    if (installed == this)
        installPrompter(nullptr);
}

QStringList ScriptedPrompter::askedTexts() const {
    QStringList texts;
    for (const Asked &question : asked_)
        texts << question.text;
    return texts;
}

void ScriptedPrompter::clear() {
    answers_.clear();
    inputs_.clear();
    files_.clear();
    choices_.clear();
    asked_.clear();
    ended_ = false;
    unexpected_ = 0;
}

Answer ScriptedPrompter::message(QWidget *, const QString &text, const QString &title,
                                 Buttons buttons, Icon icon) {
    Asked question;
    question.kind = Kind::Message;
    question.text = text;
    question.title = title;
    question.buttons = buttons;
    question.icon = icon;
    asked_.append(question);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers_.isEmpty()) {
        ++unexpected_;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return answers_.takeFirst();
}

std::optional<QString> ScriptedPrompter::input(QWidget *, const QString &text, const QString &title,
                                               const QString &defaultAnswer) {
    Asked question;
    question.kind = Kind::Input;
    question.text = text;
    question.title = title;
    question.defaultAnswer = defaultAnswer;
    asked_.append(question);
    if (inputs_.isEmpty()) {
        ++unexpected_;
        return std::nullopt;
    }
    return inputs_.takeFirst();
}

std::optional<ScriptedPrompter::ScriptedFile>
ScriptedPrompter::nextFile(FileMode mode, const QList<FileFilter> &filters,
                           const QString &suggested) {
    Asked question;
    question.kind = Kind::File;
    question.defaultAnswer = suggested;
    question.mode = mode;
    question.filters = filters;
    asked_.append(question);
    if (files_.isEmpty()) {
        ++unexpected_;
        return std::nullopt;
    }
    return files_.takeFirst();
}

std::optional<QString> ScriptedPrompter::fileName(QWidget *, FileMode mode,
                                                  const QList<FileFilter> &filters,
                                                  const QString &suggested) {
    const std::optional<ScriptedFile> file = nextFile(mode, filters, suggested);
    return file ? file->path : std::nullopt;
}

std::optional<SaveChoice> ScriptedPrompter::saveChoice(QWidget *, const QList<FileFilter> &filters,
                                                       const QString &suggested) {
    const std::optional<ScriptedFile> file = nextFile(FileMode::Save, filters, suggested);
    if (!file || !file->path)
        return std::nullopt;
    if (file->filter)
        return SaveChoice{*file->path, *file->filter};
    const QString name = QFileInfo(*file->path).fileName();
    const auto matching = std::find_if(filters.begin(), filters.end(), [&](const FileFilter &f) {
        return QDir::match(f.pattern, name);
    });
    return SaveChoice{*file->path, matching == filters.end() ? 0 : int(matching - filters.begin())};
}

int ScriptedPrompter::choice(QWidget *, const QString &text, const QString &title,
                             const QStringList &buttons) {
    Asked question;
    question.kind = Kind::Choice;
    question.text = text;
    question.title = title;
    question.choices = buttons;
    asked_.append(question);
    if (choices_.isEmpty()) {
        ++unexpected_;
        return int(buttons.size()) - 1;
    }
    return choices_.takeFirst();
}

void ScriptedPrompter::endProgram(int exitCode) {
    Asked question;
    question.kind = Kind::End;
    question.exitCode = exitCode;
    asked_.append(question);
    ended_ = true;
}

} // namespace platform
