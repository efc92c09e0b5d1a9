#include "ZipBuffer.h"

#include <cstring>

CZipBuffer::CZipBuffer(const CZipBuffer& other) {
    *this = other;
}

CZipBuffer& CZipBuffer::operator=(const CZipBuffer& other) {
    if (this != &other) {
        Allocate(other.m_size);
        if (m_size != 0) {
            std::memcpy(m_data.get(), other.m_data.get(), m_size);
        }
    }
    return *this;
}

CZipBuffer::CZipBuffer(CZipBuffer&& other) noexcept : m_data(std::move(other.m_data)), m_size(other.m_size) {
    other.m_size = 0;
}

CZipBuffer& CZipBuffer::operator=(CZipBuffer&& other) noexcept {
    m_data = std::move(other.m_data);
    m_size = other.m_size;
    other.m_size = 0;
    return *this;
}

void CZipBuffer::Allocate(std::size_t size, bool zero) {
    if (size != m_size) {
        Release();
        if (size != 0) {
            m_data.reset(new std::uint8_t[size]);
            m_size = size;
        }
    }
    if (zero && m_size != 0) {
        std::memset(m_data.get(), 0, m_size);
    }
}

void CZipBuffer::Release() {
    m_data.reset();
    m_size = 0;
}

std::string CZipBuffer::ToString() const {
    if (m_size == 0) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(m_data.get()), m_size);
}
