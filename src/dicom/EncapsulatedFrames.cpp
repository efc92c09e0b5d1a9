#include "EncapsulatedFrames.h"

#include <cstring>

namespace {

using CFrames = std::vector<std::vector<CByteView>>;

constexpr std::size_t kItemHeader = 8;

// Offsets of the fragments' item headers, counted from the first one after the offset table.
std::vector<std::uint64_t> ItemOffsets(const std::vector<CByteView>& fragments) {
    std::vector<std::uint64_t> offsets;
    std::uint64_t offset = 0;
    for (const CByteView& fragment : fragments) {
        offsets.push_back(offset);
        offset += kItemHeader + fragment.size;
    }
    return offsets;
}

// Frames from start offsets (ascending); false when an offset meets no fragment boundary.
bool FramesFromOffsets(const std::vector<CByteView>& fragments, const std::vector<std::uint64_t>& starts,
                       CFrames& frames) {
    const std::vector<std::uint64_t> items = ItemOffsets(fragments);
    std::size_t next = 0;
    for (std::size_t f = 0; f < starts.size(); ++f) {
        if (f > 0 && starts[f] <= starts[f - 1]) {
            return false;
        }
        while (next < items.size() && items[next] < starts[f]) {
            ++next;
        }
        if (next == items.size() || items[next] != starts[f]) {
            return false;
        }
        std::vector<CByteView>& frame = frames.emplace_back();
        const std::uint64_t end = f + 1 < starts.size() ? starts[f + 1] : UINT64_MAX;
        for (std::size_t i = next; i < items.size() && items[i] < end; ++i) {
            frame.push_back(fragments[i]);
        }
    }
    return true;
}

bool StartsCodeStream(const CByteView& fragment) {
    static const std::uint8_t kJpeg[] = {0xFF, 0xD8};
    static const std::uint8_t kJpeg2000[] = {0xFF, 0x4F, 0xFF, 0x51};
    static const std::uint8_t kJp2[] = {0x00, 0x00, 0x00, 0x0C, 0x6A, 0x50};
    const auto startsWith = [&fragment](const std::uint8_t* mark, std::size_t size) {
        return fragment.size >= size && std::memcmp(fragment.data, mark, size) == 0;
    };
    return startsWith(kJpeg, sizeof kJpeg) || startsWith(kJpeg2000, sizeof kJpeg2000) ||
           startsWith(kJp2, sizeof kJp2);
}

CFrames FramesByMarkers(const std::vector<CByteView>& fragments) {
    CFrames frames;
    for (const CByteView& fragment : fragments) {
        if (frames.empty() || StartsCodeStream(fragment)) {
            frames.emplace_back();
        }
        frames.back().push_back(fragment);
    }
    return frames;
}

std::vector<std::uint64_t> TableValues(CByteView table, std::size_t width) {
    std::vector<std::uint64_t> values;
    for (std::size_t offset = 0; offset + width <= table.size; offset += width) {
        values.push_back(width == 8 ? ReadU64(table.data + offset, false)
                                    : ReadU32(table.data + offset, false));
    }
    return values;
}

}  // namespace

std::vector<std::vector<CByteView>> SplitFrames(const CDicomElement& pixelData, const CDicomDataSet& dataSet,
                                                int frames) {
    if (pixelData.fragments.size() < 2 || frames < 1) {
        return {};
    }
    const CByteView offsetTable = pixelData.fragments.front();
    const std::vector<CByteView> fragments(pixelData.fragments.begin() + 1, pixelData.fragments.end());
    const auto wanted = static_cast<std::size_t>(frames);
    CFrames result;
    const CDicomElement* extended = dataSet.Find(DicomTags::kExtendedOffsetTable);
    if (extended && FramesFromOffsets(fragments, TableValues(extended->value, 8), result) &&
        !result.empty()) {
        result.resize(std::min(result.size(), wanted));
        return result;
    }
    result.clear();
    if (!offsetTable.Empty() && FramesFromOffsets(fragments, TableValues(offsetTable, 4), result) &&
        !result.empty()) {
        result.resize(std::min(result.size(), wanted));
        return result;
    }
    result.clear();
    if (wanted == 1) {
        return {fragments};
    }
    if (fragments.size() == wanted) {
        for (const CByteView& fragment : fragments) {
            result.push_back({fragment});
        }
        return result;
    }
    result = FramesByMarkers(fragments);
    result.resize(std::min(result.size(), wanted));
    return result;
}
