#include "DicomDictionary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

struct CGroupRole {
    std::uint16_t first;
    std::uint16_t last;
    const char* name;
};

// Groups by the module family their elements belong to; repeating groups as ranges.
constexpr CGroupRole kGroupRoles[] = {
    {0x0000, 0x0000, "Command"},
    {0x0002, 0x0002, "File Meta Information"},
    {0x0004, 0x0004, "Directory"},
    {0x0008, 0x0008, "Identification"},
    {0x0010, 0x0010, "Patient"},
    {0x0012, 0x0012, "Clinical Trial"},
    {0x0014, 0x0014, "Non-Destructive Testing"},
    {0x0018, 0x0018, "Acquisition"},
    {0x0020, 0x0020, "Relationship"},
    {0x0022, 0x0022, "Ophthalmology"},
    {0x0024, 0x0024, "Visual Field"},
    {0x0028, 0x0028, "Image Presentation"},
    {0x0032, 0x0032, "Study"},
    {0x0038, 0x0038, "Visit"},
    {0x003A, 0x003A, "Waveform"},
    {0x0040, 0x0040, "Procedure"},
    {0x0042, 0x0042, "Encapsulated Document"},
    {0x0044, 0x0044, "Product"},
    {0x0046, 0x0046, "Lens"},
    {0x0048, 0x0048, "Whole Slide Imaging"},
    {0x0050, 0x0050, "Device"},
    {0x0052, 0x0052, "Intravascular"},
    {0x0054, 0x0054, "Nuclear Medicine"},
    {0x0060, 0x0060, "Histogram"},
    {0x0062, 0x0062, "Segmentation"},
    {0x0064, 0x0064, "Deformable Registration"},
    {0x0066, 0x0066, "Surface"},
    {0x0068, 0x0068, "Implant"},
    {0x0070, 0x0070, "Presentation State"},
    {0x0072, 0x0072, "Hanging Protocol"},
    {0x0074, 0x0074, "Treatment Delivery"},
    {0x0076, 0x0076, "Implant Assembly"},
    {0x0078, 0x0078, "Implant Template"},
    {0x0080, 0x0080, "Surface Scan"},
    {0x0088, 0x0088, "Storage"},
    {0x0100, 0x0100, "Authorization"},
    {0x0400, 0x0400, "Digital Signature"},
    {0x2000, 0x2130, "Print"},
    {0x3002, 0x3002, "RT Image"},
    {0x3004, 0x3004, "RT Dose"},
    {0x3006, 0x3006, "RT Structure Set"},
    {0x3008, 0x3008, "RT Treatment Record"},
    {0x300A, 0x300A, "RT Plan"},
    {0x300C, 0x300C, "RT Relationship"},
    {0x300E, 0x300E, "RT Approval"},
    {0x4000, 0x4000, "Text"},
    {0x4008, 0x4008, "Results"},
    {0x4FFE, 0x4FFE, "MAC Parameters"},
    {0x5000, 0x50FF, "Curve"},
    {0x5200, 0x5200, "Functional Groups"},
    {0x5400, 0x5400, "Waveform Data"},
    {0x5600, 0x5600, "Spectroscopy Data"},
    {0x6000, 0x60FF, "Overlay"},
    {0x7FE0, 0x7FE0, "Pixel Data"},
    {0xFFFA, 0xFFFA, "Digital Signatures"},
    {0xFFFC, 0xFFFC, "Padding"},
};

struct CDictionaryEntry {
    std::uint32_t key;
    const char* vr;  // as the dictionary writes it, choices included ("US or SS")
    const char* keyword;
};

struct CUidName {
    const char* uid;
    const char* name;
};

// kDictionary (by tag) and kUidNames (by UID), both sorted.
#include "DicomDictionaryTable.inc"

const CDictionaryEntry* Lookup(CDicomTag tag) {
    // Repeating groups (curves, overlays) are listed under their first group.
    std::uint16_t group = tag.group;
    if ((group & 0xFF00) == 0x5000 || (group & 0xFF00) == 0x6000) {
        group &= 0xFF00;
    }
    const std::uint32_t key = std::uint32_t{group} << 16 | tag.element;
    const auto found =
        std::lower_bound(std::begin(kDictionary), std::end(kDictionary), key,
                         [](const CDictionaryEntry& entry, std::uint32_t k) { return entry.key < k; });
    return found != std::end(kDictionary) && found->key == key ? found : nullptr;
}

bool IsPrivateCreator(CDicomTag tag) {
    return tag.IsPrivate() && tag.element >= 0x0010 && tag.element <= 0x00FF;
}

}  // namespace

namespace DicomDictionary {

std::string Keyword(CDicomTag tag) {
    if (IsPrivateCreator(tag)) {
        return "PrivateCreator";
    }
    if (const CDictionaryEntry* entry = tag.IsPrivate() ? nullptr : Lookup(tag)) {
        return entry->keyword;
    }
    return tag.element == 0x0000 ? "GenericGroupLength" : "Unknown";
}

CVr Vr(CDicomTag tag, bool signedPixels) {
    if (IsPrivateCreator(tag)) {
        return MakeVr("LO");
    }
    if (tag.element == 0x0000) {
        return MakeVr("UL");
    }
    const CDictionaryEntry* entry = tag.IsPrivate() ? nullptr : Lookup(tag);
    if (!entry) {
        return MakeVr("UN");
    }
    const char* text = entry->vr;
    if (std::strcmp(text, "US or SS") == 0) {
        return signedPixels ? MakeVr("SS") : MakeVr("US");
    }
    if (std::strchr(text, ' ')) {
        return MakeVr("OW");  // OB or OW, US or OW, US or SS or OW: read as words
    }
    const CVr vr = std::strlen(text) == 2 ? static_cast<CVr>(text[0] << 8 | text[1]) : 0;
    return IsKnownVr(vr) ? vr : MakeVr("UN");
}

std::string GroupName(std::uint16_t group) {
    char text[24];
    if (group & 1) {
        std::snprintf(text, sizeof text, "Private %04X", group);
        return text;
    }
    for (const CGroupRole& role : kGroupRoles) {
        if (group >= role.first && group <= role.last) {
            return role.name;
        }
    }
    std::snprintf(text, sizeof text, "Group %04X", group);
    return text;
}

std::string UidName(const std::string& uid) {
    const auto found =
        std::lower_bound(std::begin(kUidNames), std::end(kUidNames), uid,
                         [](const CUidName& entry, const std::string& u) { return entry.uid < u; });
    return found != std::end(kUidNames) && found->uid == uid ? found->name : std::string();
}

}  // namespace DicomDictionary
