#pragma once

#include <QIdentityProxyModel>

class QFileSystemModel;

namespace vortalis {

// A view of a QFileSystemModel whose sizes and dates are written in French,
// whatever the system's locale: Qt writes them by the system's ("1 bytes",
// "9 Dec 2026" under the C locale) and in French as "1 octets". Set it on a
// QFileDialog with setProxyModel.
class FrenchFileDetails : public QIdentityProxyModel {
    Q_OBJECT

  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

// "1 octet", "68 octets", "4,9 Ko", "1,2 Mo": units of 1024 bytes, as the
// Windows explorer counts them.
QString FrenchFileSize(qint64 bytes);

}  // namespace vortalis
