#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace classic {

// The About box of the classic edition: title, version and credit in its fixed colours.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget *parent = nullptr);

  private:
    void Form_Load();
    void cmdOK_Click();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdOK = nullptr;
};

} // namespace classic
