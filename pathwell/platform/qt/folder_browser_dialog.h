#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace vortalis::pathwell {

// The browser over folders and files from the top of the file system: the
// legend at its top, a tree, an edit box that names the selected item or takes
// a typed name, OK and "Annuler".
class FolderBrowserDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FolderBrowserDialog(const std::string& legend, QWidget* parent = nullptr);

    // The item OK stands for: a typed name that exists (a bare name is looked
    // for beside the selected item), or else the selected item.
    QString PickedPath() const;

    QLabel* Legend() const { return legend_; }
    QLineEdit* NameEdit() const { return nameEdit_; }
    QTreeView* Tree() const { return tree_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    void SelectPath(const QString& path);

  private:
    void ShowSelectedName();
    QString SelectedPath() const;

    QLabel* legend_;
    QFileSystemModel* model_;
    QTreeView* tree_;
    QLineEdit* nameEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

// What a typed name in the browser stands for, given the selected item.
QString ResolveTypedName(const QString& selectedPath, const QString& selectedName,
                         const QString& typed);

}  // namespace vortalis::pathwell
