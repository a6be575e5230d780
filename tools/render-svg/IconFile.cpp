#include "IconFile.h"

#include <QBuffer>

#include <cstdint>

namespace {

constexpr int kLargest = 256;     // the largest side an icon directory entry can name
constexpr int kDirectorySize = 6; // reserved, type, count
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

void Put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

// A device-independent bitmap as an icon holds it: the header gives twice the height (colour
// rows and mask rows), rows run bottom-up, the colour rows in BGRA, then a 1-bit mask, each row
// padded to 4 bytes, with 1 where the picture is transparent.
QByteArray IconBitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int side = image.width();
    const int maskRowBytes = (side + 31) / 32 * 4;
    QByteArray out;
    Put32(out, kBitmapHeaderSize);
    Put32(out, static_cast<uint32_t>(side));
    Put32(out, static_cast<uint32_t>(2 * side));
    Put16(out, 1);  // planes
    Put16(out, 32); // bits per pixel
    Put32(out, 0);  // uncompressed
    Put32(out, static_cast<uint32_t>(side * side * 4 + maskRowBytes * side));
    for (int i = 0; i < 4; ++i)
        Put32(out, 0); // resolution and palette: none
    for (int y = side - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
            out.append(static_cast<char>(qAlpha(row[x])));
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray mask(maskRowBytes, '\0');
        for (int x = 0; x < side; ++x)
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        out.append(mask);
    }
    return out;
}

QByteArray Png(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

} // namespace

QByteArray IconFile(const QList<QImage>& images) {
    QList<QByteArray> payloads;
    for (const QImage& image : images) {
        if (image.isNull() || image.width() != image.height() || image.width() > kLargest)
            return {};
        payloads.append(image.width() == kLargest ? Png(image) : IconBitmap(image));
    }
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1); // an icon, not a cursor
    Put16(out, static_cast<int>(images.size()));
    auto offset = static_cast<uint32_t>(kDirectorySize + kEntrySize * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        out.append(static_cast<char>(side == kLargest ? 0 : side)); // 0 stands for 256
        out.append(static_cast<char>(side == kLargest ? 0 : side));
        out.append('\0'); // no palette
        out.append('\0');
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<uint32_t>(payloads[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(payloads[i].size());
    }
    for (const QByteArray& payload : payloads)
        out.append(payload);
    return out;
}
