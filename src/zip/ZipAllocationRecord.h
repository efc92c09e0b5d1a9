#pragma once

#include <zlib.h>

#include <vector>

// The blocks that the decoder has allocated and not yet freed. A decoder left open by an exception is
// never ended; its blocks are freed from here instead.
class CZipAllocationRecord {
public:
    CZipAllocationRecord() = default;
    CZipAllocationRecord(const CZipAllocationRecord&) = delete;
    CZipAllocationRecord& operator=(const CZipAllocationRecord&) = delete;
    ~CZipAllocationRecord() { ReleaseAll(); }

    // The decoder's allocation functions; `opaque` is the record, or null to record nothing.
    static voidpf Allocate(voidpf opaque, uInt count, uInt size);
    static void Free(voidpf opaque, voidpf block);

    void ReleaseAll();
    bool IsEmpty() const { return m_blocks.empty(); }

private:
    std::vector<void*> m_blocks;
};
