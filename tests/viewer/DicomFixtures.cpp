#include "DicomFixtures.h"

#include <gtest/gtest.h>

#include <fstream>

std::vector<std::uint8_t> LittleEndianWords(const std::vector<std::uint16_t>& words) {
    std::vector<std::uint8_t> bytes;
    for (const std::uint16_t word : words) {
        bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(word >> 8));
    }
    return bytes;
}

std::unique_ptr<CImageDocument> OpenBytes(const CTempDir& folder, const std::vector<std::uint8_t>& bytes,
                                          const std::string& name) {
    const std::string path = folder.File(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::string error;
    std::unique_ptr<CImageDocument> document = OpenImageDocument(path, error);
    EXPECT_TRUE(document) << error;
    return document;
}

std::unique_ptr<CImageDocument> OpenWritten(const CTempDir& folder, const CDicomWriter& writer,
                                            const std::string& name) {
    return OpenBytes(folder, writer.Encode(), name);
}

std::vector<double> DecodedValues(const CImageDocument& document, int page, std::string* error) {
    CFrame frame;
    std::string reason;
    if (!document.DecodePage(page, frame, reason)) {
        if (error) {
            *error = reason;
        }
        return {};
    }
    return std::visit([](const auto& values) { return std::vector<double>(values.begin(), values.end()); },
                      frame.samples);
}
