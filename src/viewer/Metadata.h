#pragma once

#include <string>
#include <vector>

// A file described as a tag browser shows it: named sections of named entries with text values.
struct CMetadataEntry {
    std::string name;
    std::string value;
};

struct CMetadataSection {
    std::string name;
    std::vector<CMetadataEntry> entries;
};

using CMetadata = std::vector<CMetadataSection>;
