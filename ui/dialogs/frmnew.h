#pragma once

#include "ui/app/navigation.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The new-table dialog: writes a blank table in the program's folder and shows the main
// window on it.
class frmnew : public QWidget {
    Q_OBJECT

  public:
    // Where the dialog was opened from: Cancel returns to the open-table dialog at start-up,
    // and to the main window (on the table pros names) otherwise.
    using Origin = navigation::NewTableOrigin;

    static frmnew *create(Origin origin);

  protected:
    // Closing through the window frame is a Cancel: some window must follow this one.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    explicit frmnew(Origin origin);
    void buildControls();
    void placeControls();
    void Form_Load();
    bool nameIsUsable(const QString &name);
    QString nameWithExtension() const;
    bool writeTable(const QString &path);
    void showWindowBehind();
    void finish();

    void vscrl_Scroll(int action);
    void vscrl_Change(int value);
    void vscrl_FocusChange(bool focused);
    void cmdok_Click();
    void cmdotm_Click();

    Origin origin_;
    bool finished_ = false;

    QLabel *Label1 = nullptr;
    QLineEdit *txtnam = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *txtchis = nullptr;
    QScrollBar *vscrl = nullptr;
    QComboBox *cmbfile = nullptr;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdotm = nullptr;
};
