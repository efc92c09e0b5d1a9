#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// An owned byte array and its length. Allocating the present length keeps the array, so a buffer
// reused for blocks of one size is allocated once.
class CZipBuffer {
public:
    CZipBuffer() = default;
    CZipBuffer(const CZipBuffer& other);
    CZipBuffer& operator=(const CZipBuffer& other);
    CZipBuffer(CZipBuffer&& other) noexcept;
    CZipBuffer& operator=(CZipBuffer&& other) noexcept;
    virtual ~CZipBuffer() = default;

    // Makes room for `size` bytes (none for 0), set to zero when `zero` is given.
    void Allocate(std::size_t size, bool zero = false);
    void Release();

    std::uint8_t* Data() { return m_data.get(); }
    const std::uint8_t* Data() const { return m_data.get(); }
    std::size_t Size() const { return m_size; }
    bool IsEmpty() const { return m_size == 0; }
    std::string ToString() const;

private:
    std::unique_ptr<std::uint8_t[]> m_data;
    std::size_t m_size = 0;
};
