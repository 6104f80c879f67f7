#pragma once
// The folder chooser of Browse: the folder-name box, the sub-folders of the folder shown and the
// image's drives. OK answers a folder, never a file.
#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QListWidget;

class WBrowseFolderDlg : public QDialog {
    Q_OBJECT
public:
    WBrowseFolderDlg(QWidget* parent, const std::string& initialFolder);

    const std::string& ShownFolder() const { return m_strFolder; }
    // The answer after OK.
    const std::string& Folder() const { return m_strFolder; }
    void ShowFolder(const std::string& folder);

public slots:
    void accept() override;

private:
    void OpenItem();

    std::string m_strFolder;
    QLineEdit* m_pName;
    QListWidget* m_pFolders;
    QComboBox* m_pDrives;
};
