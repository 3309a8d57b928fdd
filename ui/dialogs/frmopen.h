#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The open-table dialog, the first window of the program.
class frmopen : public QWidget {
    Q_OBJECT

  public:
    static frmopen *create();
    // The dialog while it is loaded, or nullptr.
    static frmopen *current();

    // The hand-over of the table path to the main window. Starts as "c:\1.txt" and keeps the
    // last value written for the whole run, also while the dialog is closed.
    static QString &pros();

    ~frmopen() override;

    // The folder whose files the dialog lists.
    QString folder() const { return folder_; }
    void setFolder(const QString &path);

  private:
    frmopen();
    void buildControls();
    void placeControls();
    void connectHandlers();
    void Form_Load();
    void fillDrives();
    void selectDriveOf(const QString &path);
    void fillFolders();
    void fillFiles();
    QString chosenPath() const;
    bool confirmChosenFile(const QString &path);
    void proe(int errorNumber);

    void Drive1_Change(int index);
    void Dir_DblClick(QListWidgetItem *item);
    void cmbfile_Change(const QString &text);
    void fil_Click(QListWidgetItem *item);
    void fil_DblClick(QListWidgetItem *item);
    void cmdok_Click();
    void cmdnew_Click();
    void cmdotm_Click();

    QLabel *Label1 = nullptr;
    QLineEdit *txtname = nullptr;
    QListWidget *fil = nullptr;
    QComboBox *cmbfile = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lfil = nullptr;
    QListWidget *Dir = nullptr;
    QComboBox *Drive1 = nullptr;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdnew = nullptr;
    QPushButton *cmdotm = nullptr;
    // Lists the folder anew when files come or go while the dialog shows it.
    QFileSystemWatcher *watcher_ = nullptr;

    QString folder_;
    QString pattern_;
};
