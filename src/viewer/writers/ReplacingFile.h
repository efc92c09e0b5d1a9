#pragma once

#include <QFile>
#include <string>

// A new file written beside its target and renamed over it when complete: a failure at any
// point leaves the target as it was (missing or intact) and removes the partial file. Unlike
// QSaveFile, the file is open for reading too, which libraries that revisit what they wrote
// need.
class CReplacingFile {
public:
    explicit CReplacingFile(std::string target);
    ~CReplacingFile();
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // Creates the file beside the target; false with a reason when the folder refuses.
    bool Open(std::string& error);
    QFile& File() { return m_file; }
    // Flushes the file to disk and puts it in the target's place; false with a reason (and the
    // partial file removed) when that fails.
    bool Commit(std::string& error);

private:
    void Discard();

    std::string m_target;
    std::string m_temporary;
    QFile m_file;
};
