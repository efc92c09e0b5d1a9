#pragma once

#include <QTemporaryDir>
#include <string>

// A temporary folder removed with its content at the end of the test.
class CTempDir {
public:
    CTempDir();
    std::string Path() const;
    // Path of `name` inside the folder.
    std::string File(const std::string& name) const;
    // Writes `text` to `name` inside the folder and returns its path.
    std::string Write(const std::string& name, const std::string& text) const;

private:
    QTemporaryDir m_dir;
};
