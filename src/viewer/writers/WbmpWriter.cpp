#include "WbmpWriter.h"

#include <QByteArray>

namespace {

// Seven bits a byte, the most significant first; the top bit marks that more follow.
void PutMultiByteInteger(QByteArray& out, quint32 value) {
    char groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<char>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.append(static_cast<char>(groups[--count] | 0x80));
    }
    out.append(groups[0]);
}

}  // namespace

bool CWbmpWriter::WritePage(const QImage& page, QIODevice& device, const CSaveOptions&,
                            std::string& error) const {
    const QImage mono = GreyOf(page).convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::DiffuseDither);
    // Which of Qt's two colours is white decides whether its bits are the format's.
    const bool invert = mono.colorCount() < 2 || qGray(mono.color(0)) > qGray(mono.color(1));
    QByteArray out;
    out.append('\0');  // type 0
    out.append('\0');  // no extension headers
    PutMultiByteInteger(out, static_cast<quint32>(mono.width()));
    PutMultiByteInteger(out, static_cast<quint32>(mono.height()));
    const int rowBytes = (mono.width() + 7) / 8;
    // Bits beyond the width in the last byte of a row are left 0.
    const auto lastMask = static_cast<uchar>(0xFF << (rowBytes * 8 - mono.width()));
    QByteArray row(rowBytes, '\0');
    bool written = device.write(out) == out.size();
    for (int y = 0; written && y < mono.height(); ++y) {
        const uchar* bits = mono.constScanLine(y);
        for (int i = 0; i < rowBytes; ++i) {
            const uchar byte = invert ? static_cast<uchar>(~bits[i]) : bits[i];
            row[i] = static_cast<char>(i == rowBytes - 1 ? byte & lastMask : byte);
        }
        written = device.write(row) == row.size();
    }
    if (!written) {
        error = device.errorString().toStdString();
    }
    return written;
}
