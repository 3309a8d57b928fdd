#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The one layer through which the windows ask the user: message boxes, one-line input
// prompts, the common file dialog, and the end of the program. Tests install a scripted
// prompter that answers from a queue and records what was asked.
namespace platform {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Critical };
enum class Answer { Ok, Yes, No, Cancel };
enum class FileMode { Open, Save };

struct FileFilter {
    QString description; // shown to the user, e.g. "Таблицы         (*.TFL)"
    QString pattern;     // e.g. "*.TFL"
};

// A file chosen in a save dialog with the filter in force when the user confirmed it: an
// index into the filters offered.
struct SaveChoice {
    QString path;
    int filter = 0;
};

class Prompter {
  public:
    virtual ~Prompter() = default;

    virtual Answer message(QWidget *parent, const QString &text, const QString &title,
                           Buttons buttons, Icon icon) = 0;
    // Placed 5000 twips from the left and the top of the screen. The text confirmed with OK,
    // empty included, or nothing when the user dismissed the prompt (Escape, Отмена, closing).
    virtual std::optional<QString> input(QWidget *parent, const QString &text, const QString &title,
                                         const QString &defaultAnswer) = 0;
    // The full path chosen, or nothing when the user cancelled. A non-empty `suggested` path
    // opens the dialog in its folder with its name typed in.
    virtual std::optional<QString> fileName(QWidget *parent, FileMode mode,
                                            const QList<FileFilter> &filters,
                                            const QString &suggested) = 0;
    // A save dialog that also reports which of `filters` the user chose, for a command whose
    // filters say what to write and not only which names to show.
    virtual std::optional<SaveChoice> saveChoice(QWidget *parent, const QList<FileFilter> &filters,
                                                 const QString &suggested) = 0;
    // A question answered by one of `buttons` (their captions, in order): the index of the
    // one chosen. The last is the way out: Escape or closing the box chooses it.
    virtual int choice(QWidget *parent, const QString &text, const QString &title,
                       const QStringList &buttons) = 0;
    // Ends the program at once, nothing saved.
    virtual void endProgram(int exitCode) = 0;
};

// The prompter in force: the real one unless a test installed another (nullptr restores it).
Prompter &prompter();
void installPrompter(Prompter *replacement);

inline Answer message(QWidget *parent, const QString &text, const QString &title,
                      Buttons buttons = Buttons::Ok, Icon icon = Icon::Information) {
    return prompter().message(parent, text, title, buttons, icon);
}
inline std::optional<QString> input(QWidget *parent, const QString &text, const QString &title,
                                    const QString &defaultAnswer) {
    return prompter().input(parent, text, title, defaultAnswer);
}
inline std::optional<QString> openFileName(QWidget *parent, const QList<FileFilter> &filters) {
    return prompter().fileName(parent, FileMode::Open, filters, QString());
}
inline std::optional<QString> saveFileName(QWidget *parent, const QList<FileFilter> &filters,
                                           const QString &suggested = QString()) {
    return prompter().fileName(parent, FileMode::Save, filters, suggested);
}
inline std::optional<SaveChoice> saveFileNameAndFilter(QWidget *parent,
                                                       const QList<FileFilter> &filters,
                                                       const QString &suggested = QString()) {
    return prompter().saveChoice(parent, filters, suggested);
}
inline int choice(QWidget *parent, const QString &text, const QString &title,
                  const QStringList &buttons) {
    return prompter().choice(parent, text, title, buttons);
}
inline void endProgram(int exitCode = 0) {
    prompter().endProgram(exitCode);
}

// Answers from queues and records every question, for tests. An unexpected question (empty
// queue) is recorded in `unexpected` and answered as if dismissed: No / Cancel / nothing.
class ScriptedPrompter : public Prompter {
  public:
    enum class Kind { Message, Input, File, Choice, End };
    struct Asked {
        Kind kind = Kind::Message;
        QString text;
        QString title;
        QString defaultAnswer; // of an input prompt; the suggested path of a file dialog
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        FileMode mode = FileMode::Open;
        QList<FileFilter> filters;
        QStringList choices; // the buttons of a choice
        int exitCode = 0;
    };

    ScriptedPrompter();           // installs itself
    ~ScriptedPrompter() override; // restores the real prompter

    void queueAnswer(Answer answer) { answers_.append(answer); }
    // The text confirmed with OK (may be empty), or a prompt the user dismissed.
    void queueInput(const QString &text) { inputs_.append(text); }
    void queueDismissedInput() { inputs_.append(std::nullopt); }
    void queueFile(const std::optional<QString> &path) { files_.append({path, std::nullopt}); }
    // A file saved under the filter at `filter`. Without one, a save dialog that reports its
    // filter reports the first whose pattern matches the name, else the first of all.
    void queueFile(const QString &path, int filter) { files_.append({path, filter}); }
    // The index of the button chosen in the next choice.
    void queueChoice(int button) { choices_.append(button); }

    const QList<Asked> &asked() const { return asked_; }
    QStringList askedTexts() const;
    bool ended() const { return ended_; }
    int unexpected() const { return unexpected_; }
    bool allAnswersUsed() const {
        return answers_.isEmpty() && inputs_.isEmpty() && files_.isEmpty() && choices_.isEmpty();
    }
    void clear();

    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &text, const QString &title,
                                 const QString &defaultAnswer) override;
    std::optional<QString> fileName(QWidget *parent, FileMode mode,
                                    const QList<FileFilter> &filters,
                                    const QString &suggested) override;
    std::optional<SaveChoice> saveChoice(QWidget *parent, const QList<FileFilter> &filters,
                                         const QString &suggested) override;
    int choice(QWidget *parent, const QString &text, const QString &title,
               const QStringList &buttons) override;
    void endProgram(int exitCode) override;

  private:
    struct ScriptedFile {
        std::optional<QString> path;
        std::optional<int> filter;
    };
    std::optional<ScriptedFile> nextFile(FileMode mode, const QList<FileFilter> &filters,
                                         const QString &suggested);

    QList<Answer> answers_;
    QList<std::optional<QString>> inputs_;
    QList<ScriptedFile> files_;
    QList<int> choices_;
    QList<Asked> asked_;
    bool ended_ = false;
    int unexpected_ = 0;
};

} // namespace platform
