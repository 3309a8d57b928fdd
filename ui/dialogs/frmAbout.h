#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

// The About box.
class frmAbout : public QWidget {
    Q_OBJECT

  public:
    static frmAbout *create();

    // "Version 4.1.5": the parts of a version number as plain numbers, so "4.01.0005" also
    // reads 4.1.5.
    static QString versionText(const QString &version);

  private:
    frmAbout();
    void buildControls();
    void placeControls();
    void Form_Load();

    void cmdOK_Click();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdOK = nullptr;
};
