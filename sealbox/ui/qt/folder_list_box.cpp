#include "sealbox/ui/qt/folder_list_box.h"

#include <QStyledItemDelegate>

#include "sealbox/core/file_search.h"
#include "sealbox/ui/qt/sealbox_icon.h"

namespace vortalis::sealbox::qt_ui {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 10;

// Entries are drawn further right the deeper their folder lies.
class IndentingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + kIndentPixels * index.data(kDepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

}  // namespace

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentingDelegate(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit Opened(item->data(kPathRole).toString()); });
}

void FolderListBox::Show(const std::string& path, const std::vector<std::string>& subfolders) {
    clear();
    int depth = 0;
    for (const FolderStep& step : FolderSteps(path)) AddEntry(step.name, step.path, depth++, true);
    setCurrentRow(count() - 1);
    for (const std::string& name : subfolders) {
        AddEntry(name, WithTrailingSeparator(path) + name, depth, false);
    }
}

void FolderListBox::AddEntry(const std::string& name, const std::string& path, int depth,
                             bool open) {
    auto* item = new QListWidgetItem(FolderIcon(open), QString::fromStdString(name), this);
    item->setData(kPathRole, QString::fromStdString(path));
    item->setData(kDepthRole, depth);
}

}  // namespace vortalis::sealbox::qt_ui
