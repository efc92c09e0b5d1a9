#include "PgxWriter.h"

bool CPgxWriter::WritePage(const QImage& page, QIODevice& device, const CSaveOptions&,
                           std::string& error) const {
    const QImage grey = GreyOf(page);
    // Byte order (ML: most significant first) and sign, bit depth, width, height.
    bool written =
        device.write(QStringLiteral("PG ML + 8 %1 %2\n").arg(grey.width()).arg(grey.height()).toLatin1()) > 0;
    for (int y = 0; written && y < grey.height(); ++y) {
        written =
            device.write(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width()) == grey.width();
    }
    if (!written) {
        error = device.errorString().toStdString();
    }
    return written;
}
