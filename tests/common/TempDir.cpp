#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CTempDir::CTempDir() {
    m_dir.setAutoRemove(true);
}

std::string CTempDir::Path() const {
    return m_dir.path().toStdString();
}

std::string CTempDir::File(const std::string& name) const {
    return QDir(m_dir.path()).filePath(QString::fromStdString(name)).toStdString();
}

std::string CTempDir::Write(const std::string& name, const std::string& text) const {
    const std::string path = File(name);
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    return path;
}
