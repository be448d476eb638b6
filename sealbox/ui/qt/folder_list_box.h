#pragma once

#include <QListWidget>

#include "sealbox/core/folder_listing.h"

namespace vortalis::sealbox::qt_ui {

// The folder list: draws a folder listing, each entry with its folder open or
// closed and indented by its depth. Opening an entry (double click or Enter)
// asks for its folder through Opened.
class FolderListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit FolderListBox(QWidget* parent = nullptr);

    void Show(const FolderListing& listing);

  signals:
    void Opened(const QString& folder);
};

}  // namespace vortalis::sealbox::qt_ui
