#include "runtime/qt/french_file_details.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

namespace vortalis {
namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

// lupdate finds each text in its own call.
QString UnitText(int unit) {
    switch (unit) {
        case 1:
            return QCoreApplication::translate("vortalis::FrenchFileDetails", "%1 KB");
        case 2:
            return QCoreApplication::translate("vortalis::FrenchFileDetails", "%1 MB");
        case 3:
            return QCoreApplication::translate("vortalis::FrenchFileDetails", "%1 GB");
        default:
            return QCoreApplication::translate("vortalis::FrenchFileDetails", "%1 TB");
    }
}

}  // namespace

QString FrenchFileSize(qint64 bytes) {
    constexpr qint64 kUnit = 1024;
    if (bytes < kUnit) {
        const int count = static_cast<int>(bytes);
        return QCoreApplication::translate("vortalis::FrenchFileDetails", "%Ln byte(s)", "", count);
    }
    constexpr int kLargestUnit = 4;
    double amount = static_cast<double>(bytes) / kUnit;
    int unit = 1;
    for (; amount >= kUnit && unit < kLargestUnit; ++unit) amount /= kUnit;
    return UnitText(unit).arg(QLocale().toString(amount, 'f', 1));
}

QVariant FrenchFileDetails::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
        case kSizeColumn:
            return files->isDir(source) ? QString() : FrenchFileSize(files->size(source));
        case kDateColumn:
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
    }
}

}  // namespace vortalis
