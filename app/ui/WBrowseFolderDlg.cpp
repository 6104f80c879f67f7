#include "app/ui/WBrowseFolderDlg.h"

#include "app/browsefolder.h"
#include "app/ui/QtUiPort.h"
#include "platform/image.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>

WBrowseFolderDlg::WBrowseFolderDlg(QWidget* parent, const std::string& initialFolder) : QDialog(parent) {
    setObjectName(QStringLiteral("browseFolderDialog"));
    setWindowTitle(FromAnsi(LoadString(IDS_BROWSE_TITLE)));
    setFont(FamilyDialogFont());
    auto* nameLabel = new QLabel(FromAnsi(LoadString(IDS_BROWSE_FOLDER_NAME)));
    m_pName = new QLineEdit;
    m_pName->setObjectName(QStringLiteral("folderName"));
    nameLabel->setBuddy(m_pName);
    auto* foldersLabel = new QLabel(FromAnsi(LoadString(IDS_BROWSE_FOLDERS)));
    m_pFolders = new QListWidget;
    m_pFolders->setObjectName(QStringLiteral("folderList"));
    foldersLabel->setBuddy(m_pFolders);
    auto* drivesLabel = new QLabel(FromAnsi(LoadString(IDS_BROWSE_DRIVES)));
    m_pDrives = new QComboBox;
    m_pDrives->setObjectName(QStringLiteral("driveList"));
    drivesLabel->setBuddy(m_pDrives);
    for (const auto& drive : platform::CurrentImage().Drives())
        m_pDrives->addItem(QStringLiteral("%1: [%2]")
                               .arg(QChar::fromLatin1(drive.letter).toLower(),
                                    QString::fromLatin1(platform::DriveTypeName(drive.type))),
                           QString(QChar::fromLatin1(drive.letter)) + QStringLiteral(":\\"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &WBrowseFolderDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &WBrowseFolderDlg::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_pName, 1, 0);
    grid->addWidget(foldersLabel, 2, 0);
    grid->addWidget(m_pFolders, 3, 0);
    grid->addWidget(drivesLabel, 4, 0);
    grid->addWidget(m_pDrives, 5, 0);
    grid->addWidget(buttons, 0, 1, 6, 1, Qt::AlignTop);
    resize(420, 320);

    connect(m_pFolders, &QListWidget::itemActivated, this, [this] { OpenItem(); });
    connect(m_pDrives, &QComboBox::activated, this, [this](int index) {
        const std::string root = ToAnsi(m_pDrives->itemData(index).toString());
        ShowFolder(root);
    });
    ShowFolder(StartFolder(initialFolder));
}

void WBrowseFolderDlg::ShowFolder(const std::string& folder) {
    m_strFolder = NormalFolderPath(folder);
    m_pName->setText(FromAnsi(m_strFolder));
    m_pFolders->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    if (m_strFolder.size() > 3) new QListWidgetItem(icon, QStringLiteral(".."), m_pFolders);
    for (const auto& name : SubfolderNames(m_strFolder))
        new QListWidgetItem(icon, FromAnsi(name), m_pFolders);
    if (!m_strFolder.empty()) {
        const int drive = m_pDrives->findData(FromAnsi(m_strFolder.substr(0, 3)));
        if (drive >= 0) m_pDrives->setCurrentIndex(drive);
    }
}

void WBrowseFolderDlg::OpenItem() {
    QListWidgetItem* item = m_pFolders->currentItem();
    if (!item) return;
    if (item->text() == QStringLiteral(".."))
        ShowFolder(ParentFolder(m_strFolder));
    else
        ShowFolder(m_strFolder + (m_strFolder.back() == '\\' ? "" : "\\") + ToAnsi(item->text()));
}

void WBrowseFolderDlg::accept() {
    const BrowseOk ok = ResolveBrowseOk(m_strFolder, ToAnsi(m_pName->text()));
    if (!ok.close) {
        m_pName->setText(FromAnsi(m_strFolder));
        m_pName->selectAll();
        return;
    }
    m_strFolder = ok.folder;
    QDialog::accept();
}
