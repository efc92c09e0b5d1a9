#include "SkinPainter.h"

#include <QFile>

namespace SkinPainter {

bool SaveBmp(const QImage& image, const QString& path) {
    return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

void CIniWriter::Section(const QString& name) {
    if (!m_text.isEmpty()) {
        m_text += "\r\n";
    }
    m_text += "[" + name + "]\r\n";
    m_nextEntry = 1;
}

void CIniWriter::Value(const QString& key, const QString& value) {
    m_text += key + "=" + value + "\r\n";
}

void CIniWriter::Entry(const QString& value) {
    Value(QString::number(m_nextEntry++), value);
}

bool CIniWriter::Save(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(m_text.toUtf8()) == m_text.toUtf8().size();
}

}  // namespace SkinPainter
