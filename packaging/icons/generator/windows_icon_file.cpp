#include "packaging/icons/generator/windows_icon_file.h"

#include <QBuffer>
#include <QtEndian>

namespace vortalis::icons {
namespace {

constexpr int kLargestBitmapSize = 255;  // one byte in the directory; 0 stands for 256
constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

void Append16(QByteArray& out, int value) {
    const quint16 little = qToLittleEndian(static_cast<quint16>(value));
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void Append32(QByteArray& out, qint64 value) {
    const quint32 little = qToLittleEndian(static_cast<quint32>(value));
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// A device-independent bitmap as icons hold it: twice the height (the colours,
// then the mask), rows from the bottom up, blue, green, red, alpha; the mask's
// bits set where the picture is wholly transparent, for whatever still reads it.
QByteArray Bitmap(const QImage& image) {
    const int size = image.width();
    const int maskRowBytes = (size + 31) / 32 * 4;
    QByteArray out;
    Append32(out, kBitmapHeaderSize);
    Append32(out, size);
    Append32(out, 2 * size);
    Append16(out, 1);   // planes
    Append16(out, 32);  // bits per pixel
    Append32(out, 0);   // uncompressed
    Append32(out, static_cast<qint64>(size) * (size * 4 + maskRowBytes));
    for (int unused = 0; unused < 4; ++unused) Append32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
            out.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray WindowsIconFile(const QList<QImage>& images) {
    QList<QByteArray> pictures;
    for (const QImage& image : images) {
        const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
        pictures.append(straight.width() > kLargestBitmapSize ? Png(straight) : Bitmap(straight));
    }
    QByteArray out;
    Append16(out, 0);  // reserved
    Append16(out, 1);  // an icon, not a cursor
    Append16(out, static_cast<int>(images.size()));
    qint64 offset = kDirectorySize + kEntrySize * images.size();
    for (qsizetype index = 0; index < images.size(); ++index) {
        const int size = images[index].width();
        const char sizeByte = static_cast<char>(size > kLargestBitmapSize ? 0 : size);
        out.append(sizeByte);
        out.append(sizeByte);
        out.append('\0');  // no palette
        out.append('\0');  // reserved
        Append16(out, 1);  // planes
        Append16(out, 32);
        Append32(out, pictures[index].size());
        Append32(out, offset);
        offset += pictures[index].size();
    }
    for (const QByteArray& picture : pictures) out.append(picture);
    return out;
}

}  // namespace vortalis::icons
