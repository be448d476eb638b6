#include "pathwell/platform/qt/folder_browser_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "runtime/text/line_ends.h"

namespace vortalis::pathwell {

QString ResolveTypedName(const QString& selectedPath, const QString& selectedName,
                         const QString& typed) {
    if (typed.isEmpty() || typed == selectedName) return selectedPath;
    const QString candidate =
        QDir::isAbsolutePath(typed) ? typed : QFileInfo(selectedPath).dir().filePath(typed);
    return QFileInfo::exists(candidate) ? QDir::cleanPath(candidate) : selectedPath;
}

FolderBrowserDialog::FolderBrowserDialog(const std::string& legend, QWidget* parent)
    : QDialog(parent),
      legend_(new QLabel(this)),
      model_(new QFileSystemModel(this)),
      tree_(new QTreeView(this)),
      nameEdit_(new QLineEdit(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Annuler"), this)) {
    setWindowTitle(QStringLiteral("Rechercher un dossier"));

    legend_->setText(QString::fromStdString(ShownLines(legend)));
    legend_->setTextFormat(Qt::PlainText);

    model_->setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath(QStringLiteral("/"));
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->setExpanded(model_->index(QStringLiteral("/")), true);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderBrowserDialog::ShowSelectedName);
    SelectPath(QStringLiteral("/"));

    // The system's own browser names its tree and its box for a screen reader; so does this one.
    tree_->setAccessibleName(QStringLiteral("Dossiers"));
    nameEdit_->setAccessibleName(QStringLiteral("Dossier choisi"));

    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(legend_);
    layout->addWidget(tree_, 1);
    layout->addWidget(nameEdit_);
    layout->addLayout(buttons);
    resize(480, 520);
}

void FolderBrowserDialog::SelectPath(const QString& path) {
    const QModelIndex index = model_->index(path);
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    ShowSelectedName();
}

void FolderBrowserDialog::ShowSelectedName() {
    nameEdit_->setText(tree_->currentIndex().data().toString());
}

QString FolderBrowserDialog::SelectedPath() const {
    return model_->filePath(tree_->currentIndex());
}

QString FolderBrowserDialog::PickedPath() const {
    return ResolveTypedName(SelectedPath(), tree_->currentIndex().data().toString(),
                            nameEdit_->text());
}

}  // namespace vortalis::pathwell
