#include "ZipAllocationRecord.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>

voidpf CZipAllocationRecord::Allocate(voidpf opaque, uInt count, uInt size) {
    if (size != 0 && count > std::numeric_limits<std::size_t>::max() / size) {
        return Z_NULL;
    }
    void* block = std::malloc(std::size_t{count} * size);
    if (block != nullptr && opaque != nullptr) {
        try {
            static_cast<CZipAllocationRecord*>(opaque)->m_blocks.push_back(block);
        } catch (const std::bad_alloc&) {
            std::free(block);
            return Z_NULL;
        }
    }
    return block;
}

void CZipAllocationRecord::Free(voidpf opaque, voidpf block) {
    if (opaque != nullptr) {
        auto& blocks = static_cast<CZipAllocationRecord*>(opaque)->m_blocks;
        const auto found = std::find(blocks.begin(), blocks.end(), block);
        if (found != blocks.end()) {
            blocks.erase(found);
        }
    }
    std::free(block);
}

void CZipAllocationRecord::ReleaseAll() {
    for (void* block : m_blocks) {
        std::free(block);
    }
    m_blocks.clear();
}
