#include "sealbox/ui/qt/folder_list_box.h"

#include <QStyledItemDelegate>

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

void FolderListBox::Show(const FolderListing& listing) {
    clear();
    for (const FolderEntry& entry : listing.entries) {
        auto* item =
            new QListWidgetItem(FolderIcon(entry.open), QString::fromStdString(entry.name), this);
        item->setData(kPathRole, QString::fromStdString(entry.path));
        item->setData(kDepthRole, entry.depth);
    }
    setCurrentRow(listing.selected);
}

}  // namespace vortalis::sealbox::qt_ui
