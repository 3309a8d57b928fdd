#include "ui/dialogs/frmopen.h"

#include "core/files/locations.h"
#include "core/files/options.h"
#include "ui/app/navigation.h"
#include "ui/dialogs/dialogkit.h"
#include "ui/dialogs/drives.h"
#include "ui/platform/failures.h"
#include "ui/platform/prompts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

frmopen *loadedDialog = nullptr;

// The run-time error number of a drive that cannot be read.
constexpr int kDiskNotReady = 71;

const QString kParentFolder = QStringLiteral("..");

bool hasWildcard(const QString &name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Windows' paths are the same whatever the case of their letters ("c:/" is "C:/").
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

bool isInside(const QString &path, const QString &root) {
    return path.compare(root, kPathCase) == 0 ||
           path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + '/', kPathCase);
}

// "C:\  [System]" on Windows, "/media/usb  [USB]" elsewhere.
QString driveText(const drives::Volume &volume) {
    const QString &name = volume.label;
    const QString root = QDir::toNativeSeparators(volume.root);
    return name.isEmpty() || name == volume.root
               ? root
               : root + QStringLiteral("  [") + name + QStringLiteral("]");
}

bool isDriveLetter(const QString &root) {
#ifdef Q_OS_WIN
    return root.size() == 3 && root[1] == QLatin1Char(':');
#else
    Q_UNUSED(root);
    return false;
#endif
}

bool canBeBrowsed(const QString &folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() && QDir(folder).isReadable();
}

} // namespace

frmopen *frmopen::create() {
    auto *dialog = new frmopen();
    dialog->show();
    return dialog;
}

frmopen *frmopen::current() {
    return loadedDialog;
}

QString &frmopen::pros() {
    static QString path = QStringLiteral("c:\\1.txt");
    return path;
}

frmopen::frmopen() : pattern_(dialogkit::tableTypes().front().pattern()) {
    loadedDialog = this;
    dialogkit::makeFixedDialog(this, QStringLiteral("Открыть файл"), 6735, 5340);
    buildControls();
    placeControls();
    Form_Load();
    connectHandlers();
}

frmopen::~frmopen() {
    if (loadedDialog == this) {
        loadedDialog = nullptr;
    }
}

void frmopen::buildControls() {
    Label1 = dialogkit::label(this, QStringLiteral("Label1"), QStringLiteral("Имя файла:"));
    txtname = new QLineEdit(QStringLiteral("*.TFL"), this);
    txtname->setObjectName(QStringLiteral("txtname"));
    fil = new QListWidget(this);
    fil->setObjectName(QStringLiteral("fil"));
    cmbfile = dialogkit::typeBox(this);
    Label2 = dialogkit::label(this, QStringLiteral("Label2"), QStringLiteral("Каталоги:"));
    lfil = dialogkit::borderedLabel(this, QStringLiteral("lfil"), QString());
    Dir = new QListWidget(this);
    Dir->setObjectName(QStringLiteral("Dir"));
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    cmdok = dialogkit::button(this, QStringLiteral("cmdok"), QStringLiteral("OK"));
    cmdnew = dialogkit::button(this, QStringLiteral("cmdnew"), QStringLiteral("Новая"));
    cmdotm = dialogkit::button(this, QStringLiteral("cmdotm"), QStringLiteral("Выход"));
    watcher_ = new QFileSystemWatcher(this);

    setTabOrder(fil, Dir);
    setTabOrder(Dir, cmbfile);
    setTabOrder(cmbfile, txtname);
    setTabOrder(txtname, cmdok);
    setTabOrder(cmdok, cmdotm);
    setTabOrder(cmdotm, Drive1);
    setTabOrder(Drive1, cmdnew);
}

void frmopen::placeControls() {
    // Two columns of equal width over a row of three buttons.
    const int left = 120, right = 3480, width = 3135;
    dialogkit::placeTwips(Label1, left, 120, width, 255);
    dialogkit::placeTwips(txtname, left, 375, width, 315);
    dialogkit::placeTwips(fil, left, 750, width, 3015);
    dialogkit::placeTwips(cmbfile, left, 3885, width, 315);
    dialogkit::placeTwips(Label2, right, 120, width, 255);
    dialogkit::placeTwips(lfil, right, 375, width, 315);
    dialogkit::placeTwips(Dir, right, 750, width, 3015);
    dialogkit::placeTwips(Drive1, right, 3885, width, 315);
    dialogkit::placeTwips(cmdok, 120, 4560, 1695, 495);
    dialogkit::placeTwips(cmdnew, 2520, 4560, 1695, 495);
    dialogkit::placeTwips(cmdotm, 4920, 4560, 1695, 495);
}

void frmopen::Form_Load() {
    const soccer::ColorScheme scheme = soccer::loadColorScheme();
    dialogkit::paintSchemed({this, Dir, Drive1, fil, Label1, Label2, lfil, txtname, cmbfile},
                            scheme);
    dialogkit::paintButtons({cmdok, cmdnew, cmdotm}, scheme);
    fillDrives();
    setFolder(soccer::tablesBrowseFolder());
}

void frmopen::connectHandlers() {
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmopen::Drive1_Change);
    connect(Dir, &QListWidget::itemActivated, this, &frmopen::Dir_DblClick);
    connect(cmbfile, &QComboBox::currentTextChanged, this, &frmopen::cmbfile_Change);
    connect(fil, &QListWidget::itemClicked, this, &frmopen::fil_Click);
    connect(fil, &QListWidget::itemActivated, this, &frmopen::fil_DblClick);
    connect(cmdok, &QPushButton::clicked, this, &frmopen::cmdok_Click);
    connect(txtname, &QLineEdit::returnPressed, this, &frmopen::cmdok_Click);
    connect(cmdnew, &QPushButton::clicked, this, &frmopen::cmdnew_Click);
    connect(cmdotm, &QPushButton::clicked, this, &frmopen::cmdotm_Click);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        fillFolders();
        fillFiles();
    });
}

void frmopen::fillDrives() {
    QSignalBlocker quiet(Drive1);
    Drive1->clear();
    const QString home = QDir::homePath();
    for (const drives::Volume &volume : drives::offeredHere(drives::mountedVolumes(), home)) {
        // A single file mounted on its own, or a home folder that does not exist, is no
        // drive to browse; a Windows drive without a disk stays, as it always did.
        if (QFileInfo(volume.root).isDir() || isDriveLetter(volume.root)) {
            Drive1->addItem(driveText(volume), volume.root);
        }
    }
}

// Shows the drive that holds `path`, the one with the longest root that contains it, without
// taking the folder back to that root.
void frmopen::selectDriveOf(const QString &path) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int index = 0; index < Drive1->count(); ++index) {
        const QString root = Drive1->itemData(index).toString();
        if (isInside(path, root) && root.size() > bestLength) {
            best = index;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        QSignalBlocker quiet(Drive1);
        Drive1->setCurrentIndex(best);
    }
}

void frmopen::setFolder(const QString &path) {
    const QString previous = folder_;
    folder_ = QDir::cleanPath(QDir(path).absolutePath());
    if (!previous.isEmpty()) {
        watcher_->removePath(previous);
    }
    watcher_->addPath(folder_);
    lfil->setText(QDir::toNativeSeparators(folder_));
    lfil->setToolTip(lfil->text());
    selectDriveOf(folder_);
    fillFolders();
    fillFiles();
}

void frmopen::fillFolders() {
    Dir->clear();
    const QDir dir(folder_);
    if (!dir.isRoot()) {
        Dir->addItem(kParentFolder);
    }
    Dir->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

// Without QDir::CaseSensitive the pattern matches case-insensitively, so "*.TFL" also lists
// tables saved as .tfl.
void frmopen::fillFiles() {
    fil->clear();
    fil->addItems(QDir(folder_).entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmopen::Drive1_Change(int index) {
    // Asked of the folder itself, not of the mount table: in a chroot or a container the
    // mount table may name no folder the program can see, "/" included.
    const QString root = Drive1->itemData(index).toString();
    if (!canBeBrowsed(root)) {
        proe(kDiskNotReady);
        return;
    }
    setFolder(root);
}

void frmopen::Dir_DblClick(QListWidgetItem *item) {
    const QString target = item->text() == kParentFolder ? QFileInfo(folder_).dir().absolutePath()
                                                         : QDir(folder_).filePath(item->text());
    // A folder that cannot be read would show as empty: stay where the lists are true.
    if (QDir(target).isReadable()) {
        setFolder(target);
    }
}

void frmopen::cmbfile_Change(const QString &text) {
    if (const dialogkit::TableType *type = dialogkit::tableTypeOf(text)) {
        pattern_ = type->pattern();
        fillFiles();
    }
}

void frmopen::fil_Click(QListWidgetItem *item) {
    txtname->setText(item->text());
}

void frmopen::fil_DblClick(QListWidgetItem *item) {
    fil_Click(item);
    cmdok_Click();
}

// A name typed with backslashes is read as well as one with slashes where backslashes
// separate folders (Windows); elsewhere a backslash is part of a name and stays.
QString frmopen::chosenPath() const {
    const QString separator = folder_.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder_ + separator + QDir::fromNativeSeparators(txtname->text());
}

// The main window ends the program when it cannot load its table, so a name that leads
// nowhere is refused here, while the user can still choose another.
bool frmopen::confirmChosenFile(const QString &path) {
    const QString name = txtname->text();
    if (name.trimmed().isEmpty() || hasWildcard(name)) {
        platform::message(this, QStringLiteral("Выберите файл в списке или введите его имя"),
                          QStringLiteral("Тарвел"));
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        platform::message(this, dialogkit::reasonItIsNoFile(path), QStringLiteral("Тарвел"));
        return false;
    }
    return true;
}

void frmopen::cmdok_Click() {
    const QString path = chosenPath();
    if (!confirmChosenFile(path)) {
        return;
    }
    pros() = path;
    if (navigation::openChosenTable().cancelled)
        return;
    close();
}

void frmopen::cmdnew_Click() {
    navigation::newTableRequested(navigation::NewTableOrigin::OpenDialog);
    close();
}

void frmopen::cmdotm_Click() {
    platform::endProgram();
}

void frmopen::proe(int errorNumber) {
    platform::endWithError(this, errorNumber);
}
