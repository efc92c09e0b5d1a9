#include "MappedFile.h"

#include <QFileInfo>

std::unique_ptr<CMappedFile> CMappedFile::Open(const std::string& path, std::string& error) {
    std::unique_ptr<CMappedFile> file(new CMappedFile);
    const QString name = QString::fromStdString(path);
    if (QFileInfo(name).isDir()) {
        error = "It is a folder.";
        return nullptr;
    }
    file->m_file.setFileName(name);
    if (!file->m_file.open(QIODevice::ReadOnly)) {
        error = file->m_file.error() == QFileDevice::OpenError && !QFileInfo::exists(name)
                    ? "The file does not exist."
                    : "The file cannot be opened: " + file->m_file.errorString().toStdString() + ".";
        return nullptr;
    }
    const qint64 size = file->m_file.size();
    if (size == 0) {
        return file;
    }
    file->m_map = file->m_file.map(0, size);
    if (file->m_map) {
        file->m_bytes = {file->m_map, static_cast<std::size_t>(size)};
        return file;
    }
    const QByteArray content = file->m_file.readAll();
    if (content.size() != size) {
        error = "The file cannot be read: " + file->m_file.errorString().toStdString() + ".";
        return nullptr;
    }
    file->m_buffer.assign(content.begin(), content.end());
    file->m_bytes = {file->m_buffer.data(), file->m_buffer.size()};
    return file;
}

CMappedFile::~CMappedFile() {
    if (m_map) {
        m_file.unmap(m_map);
    }
}
