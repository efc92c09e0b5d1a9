#include "ZipReader.h"

#include "ZipException.h"

CZipReader::CZipReader() : m_directory(m_volumes) {}

CZipReader::~CZipReader() {
    // The record frees whatever blocks a decoder left open by an exception still holds.
    m_allocations.ReleaseAll();
}

void CZipReader::Open(const std::string& path, int mode, int volumeSize) {
    if (IsOpen()) {
        return;
    }
    m_password.Release();
    m_entryState = EEntryState::none;
    const auto access =
        mode == zipOpenReadOnly ? CZipBigFile::EAccess::Read : CZipBigFile::EAccess::ReadWrite;
    m_volumes.OpenArchive(path, access,
                          volumeSize != 0 ? ESpanMode::spanNumberedPending : ESpanMode::spanAutoPending);
    m_directory.Reset();
    m_directory.Read();
}

void CZipReader::Close(bool abandon) {
    if (!IsOpen() && (!abandon || !m_volumes.HasOpenFile())) {
        return;
    }
    if (!abandon && m_entryState == EEntryState::extracting) {
        CloseEntry(std::string(), false);
    }
    if (abandon) {
        m_state.m_input.Release();
        m_entryState = EEntryState::none;
        m_allocations.ReleaseAll();
    }
    m_directory.Clear();
    m_volumes.Close();
}

int CZipReader::GetCount() const {
    return m_directory.Count();
}

bool CZipReader::GetEntryInfo(std::uint16_t index, CZipEntry& info) const {
    if (!IsOpen() || index >= GetCount()) {
        return false;
    }
    info = m_directory.At(index);
    return true;
}

bool CZipReader::IsEntryDirectory(std::uint16_t index) const {
    return IsOpen() && index < GetCount() && m_directory.At(index).IsDirectory();
}

void CZipReader::Throw(int internalNumber) const {
    CZipException::Throw(internalNumber, IsOpen() ? m_volumes.FileName() : std::string());
}
