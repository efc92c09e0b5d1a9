#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>

#include "DicomFixtures.h"
#include "dicom/DicomDataSet.h"
#include "dicom/EncapsulatedFrames.h"

namespace {

// A one-row image of `values` (raw words of the pixel data) with the given bit layout.
CDicomWriter Row(int bitsAllocated, int bitsStored, int highBit, bool isSigned,
                 const std::vector<std::uint32_t>& raw) {
    CDicomWriter writer;
    writer.Image(1, static_cast<int>(raw.size()), 1, bitsAllocated, bitsStored, isSigned, "MONOCHROME2");
    writer.UShort(0x0028, 0x0102, {static_cast<std::uint16_t>(highBit)});
    std::vector<std::uint8_t> bytes;
    for (const std::uint32_t value : raw) {
        for (int byte = 0; byte < bitsAllocated / 8; ++byte) {
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
        }
    }
    writer.Bytes(0x7FE0, 0x0010, bitsAllocated > 8 ? "OW" : "OB", bytes);
    return writer;
}

struct CBitsCase {
    int allocated, stored, highBit;
    bool isSigned;
    std::vector<std::uint32_t> raw;
    std::vector<double> expected;
};

TEST(DicomDocument, StoredValuesTakeBitsStoredHighBitAndSign) {
    const CBitsCase cases[] = {
        // Bits above Bits Stored (overlay bits, garbage) are not part of the value.
        {16, 12, 11, false, {0xF123, 0x0FFF}, {0x123, 0xFFF}},
        {16, 12, 11, true, {0x0800, 0xF7FF, 0x0001}, {-2048, 2047, 1}},
        // Values stored in the upper bits.
        {16, 12, 15, false, {0x1230, 0xFFF0}, {0x123, 0xFFF}},
        {16, 16, 15, true, {0x8000, 0x7FFF}, {-32768, 32767}},
        {8, 6, 5, true, {0xE0, 0x3F, 0x1F}, {-32, -1, 31}},
        {32, 24, 23, true, {0xFF800000, 0x007FFFFF}, {-8388608, 8388607}},
        {32, 32, 31, false, {0xFFFFFFFF, 0}, {4294967295.0, 0}},
    };
    CTempDir folder;
    for (const CBitsCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.allocated) + "/" + std::to_string(c.stored) + "/" +
                     std::to_string(c.highBit));
        const auto document = OpenWritten(folder, Row(c.allocated, c.stored, c.highBit, c.isSigned, c.raw));
        ASSERT_TRUE(document);
        EXPECT_EQ(DecodedValues(*document, 0), c.expected);
    }
}

TEST(DicomDocument, ColourComesOutInterleavedAtFullResolution) {
    CTempDir folder;
    CDicomWriter planar;
    planar.Image(1, 2, 3, 8, 8, false, "RGB").UShort(0x0028, 0x0006, {1});
    planar.Bytes(0x7FE0, 0x0010, "OB", {10, 11, 20, 21, 30, 31});
    auto document = OpenWritten(folder, planar);
    ASSERT_TRUE(document);
    EXPECT_EQ(DecodedValues(*document, 0), (std::vector<double>{10, 20, 30, 11, 21, 31}));

    // Two pixels share one pair of chrominance samples: Y1 Y2 Cb Cr.
    CDicomWriter subsampled;
    subsampled.Image(1, 2, 3, 8, 8, false, "YBR_FULL_422");
    subsampled.Bytes(0x7FE0, 0x0010, "OB", {100, 200, 90, 160});
    document = OpenWritten(folder, subsampled);
    ASSERT_TRUE(document);
    EXPECT_EQ(DecodedValues(*document, 0), (std::vector<double>{100, 90, 160, 200, 90, 160}));
}

TEST(DicomDocument, OneBitFramesFollowEachOtherWithoutPadding) {
    // Two 3 x 3 frames take 18 bits: the second starts at bit 9, inside the second byte.
    CDicomWriter writer;
    writer.Image(3, 3, 1, 1, 1, false, "MONOCHROME2", 2);
    writer.Bytes(0x7FE0, 0x0010, "OB", {0b10101010, 0b01010101, 0b00000010, 0});
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 2);
    EXPECT_EQ(DecodedValues(*document, 0), (std::vector<double>{0, 1, 0, 1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(DecodedValues(*document, 1), (std::vector<double>{0, 1, 0, 1, 0, 1, 0, 0, 1}));
}

TEST(DicomDocument, TruncatedPixelDataKeepsTheCompleteFramesAndReportsTheRest) {
    CDicomWriter writer;
    writer.Image(2, 2, 1, 16, 16, false, "MONOCHROME2", 3);
    writer.Bytes(0x7FE0, 0x0010, "OW", LittleEndianWords({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 3);
    EXPECT_EQ(DecodedValues(*document, 1), (std::vector<double>{5, 6, 7, 8}));
    std::string error;
    EXPECT_TRUE(DecodedValues(*document, 2, &error).empty());
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;
}

TEST(DicomDocument, SizeClaimsBeyondTheDataAreErrorsNotAllocations) {
    CTempDir folder;
    CDicomWriter native;
    native.Image(4096, 4096, 1, 16, 16, false, "MONOCHROME2", 100000);
    native.Bytes(0x7FE0, 0x0010, "OW", {1, 2, 3, 4});
    auto document = OpenWritten(folder, native);
    ASSERT_TRUE(document);
    std::string error;
    EXPECT_TRUE(DecodedValues(*document, 99999, &error).empty());
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;

    // Compressed data may claim any size; a frame beyond any real image is refused unread.
    CDicomWriter compressed("1.2.840.10008.1.2.4.90");
    compressed.Image(65535, 65535, 3, 16, 16, false, "RGB");
    compressed.Encapsulated({}, {{0xFF, 0x4F, 0xFF, 0x51}});
    document = OpenWritten(folder, compressed);
    ASSERT_TRUE(document);
    EXPECT_TRUE(DecodedValues(*document, 0, &error).empty());
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

TEST(DicomDocument, FilesWithoutPixelDataOpenWithTheirMetadataAndNoPages) {
    CDicomWriter writer;
    writer.Text(0x0008, 0x0060, "CS", "SR").Text(0x0010, 0x0010, "PN", "Doe^Jane");
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->PageCount(), 0);
    EXPECT_EQ(document->PatientName(), "Doe Jane");
    ASSERT_FALSE(document->Metadata().empty());
    const auto& file = document->Metadata().front().entries;
    EXPECT_TRUE(std::any_of(file.begin(), file.end(), [](const CMetadataEntry& entry) {
        return entry.name == "Image" && entry.value == "The file holds no pixel data.";
    }));
}

// A small file with a sequence and encapsulated RLE pixel data: enough structure for damage.
std::vector<std::uint8_t> StructuredFile() {
    CDicomWriter item = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
    item.Text(0x0008, 0x1150, "UI", "1.2.3").Text(0x0008, 0x1155, "UI", "4.5.6");
    CDicomWriter writer("1.2.840.10008.1.2.5");
    writer.Text(0x0010, 0x0010, "PN", "Damage^Test").Sequence(0x0008, 0x1140, {item, item});
    writer.Image(2, 2, 1, 8, 8, false, "MONOCHROME2", 2);
    std::vector<std::uint8_t> rle(64, 0);
    rle[0] = 1;
    rle[4] = 64;
    rle.insert(rle.end(), {3, 1, 2, 3, 4});
    writer.Encapsulated({}, {rle, rle});
    return writer.Encode();
}

// Opens damaged bytes: either a reason, or a document whose pages decode or give a reason.
void ExpectCleanOutcome(const CTempDir& folder, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder.File("damaged.dcm");
    // Removed rather than truncated: rewriting a truncated file makes the file system flush it.
    std::remove(path.c_str());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::string error;
    const auto document = OpenImageDocument(path, error);
    if (!document) {
        EXPECT_FALSE(error.empty());
        return;
    }
    for (int page = 0; page < std::min(document->PageCount(), 4); ++page) {
        CFrame frame;
        if (!document->DecodePage(page, frame, error)) {
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(DicomDocument, DamagedFilesOpenPartlyOrFailWithAReason) {
    const std::vector<std::uint8_t> whole = StructuredFile();
    CTempDir folder;
    {
        const auto document = OpenBytes(folder, whole);
        ASSERT_TRUE(document);
        EXPECT_EQ(DecodedValues(*document, 1), (std::vector<double>{1, 2, 3, 4}));
    }
    for (std::size_t length = 0; length < whole.size(); ++length) {
        ExpectCleanOutcome(folder, std::vector<std::uint8_t>(whole.begin(), whole.begin() + length));
    }
    std::mt19937 random(6);
    for (int round = 0; round < 1500; ++round) {
        std::vector<std::uint8_t> damaged = whole;
        for (int flips = 0; flips < 3; ++flips) {
            damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
        }
        ExpectCleanOutcome(folder, damaged);
    }
}

TEST(DicomDocument, UnreadableInputsNameTheirReason) {
    CTempDir folder;
    struct CCase {
        std::string path;
        std::string reason;
    };
    const CCase cases[] = {
        {folder.File("missing.dcm"), "does not exist"},
        {folder.Path(), "folder"},
        {folder.Write("empty.dcm", ""), "empty"},
        {folder.Write("text.dcm", "Just some words, not an image at all.\n"), "not a DICOM"},
    };
    for (const CCase& c : cases) {
        std::string error;
        EXPECT_FALSE(OpenImageDocument(c.path, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.path << ": " << error;
    }
}

TEST(DicomDocument, DeeplyNestedSequencesStopWithAProblemInsteadOfOverflowing) {
    CDicomWriter inner = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
    inner.Text(0x0008, 0x0100, "SH", "deep");
    for (int depth = 0; depth < 200; ++depth) {
        CDicomWriter outer = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
        outer.Sequence(0x0040, 0xA730, {inner});
        inner = outer;
    }
    CDicomWriter writer;
    writer.Text(0x0010, 0x0010, "PN", "Nested").Sequence(0x0040, 0xA730, {inner});
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    const auto& file = document->Metadata().front().entries;
    EXPECT_TRUE(std::any_of(file.begin(), file.end(), [](const CMetadataEntry& entry) {
        return entry.name == "Problem" && entry.value.find("nest") != std::string::npos;
    }));
}

TEST(DicomDocument, EnhancedFramesTakeTheirOwnRescaleAndWindow) {
    const auto group = [](const char* slope, const char* centre) {
        CDicomWriter transform = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
        transform.Text(0x0028, 0x1052, "DS", "-10").Text(0x0028, 0x1053, "DS", slope);
        CDicomWriter voi = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
        voi.Text(0x0028, 0x1050, "DS", centre).Text(0x0028, 0x1051, "DS", "100");
        CDicomWriter item = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
        item.Sequence(0x0028, 0x9145, {transform}).Sequence(0x0028, 0x9132, {voi});
        return item;
    };
    CDicomWriter writer;
    writer.Image(1, 1, 1, 16, 16, false, "MONOCHROME2", 3);
    writer.Text(0x0028, 0x1050, "DS", "7").Text(0x0028, 0x1051, "DS", "70");
    writer.Sequence(0x5200, 0x9229, {group("1", "50")});
    writer.Sequence(0x5200, 0x9230, {group("2", "20"), group("3", "30")});
    writer.Bytes(0x7FE0, 0x0010, "OW", LittleEndianWords({1, 2, 3}));
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    const CDisplayParameters first = document->DisplayParameters(0);
    const CDisplayParameters second = document->DisplayParameters(1);
    const CDisplayParameters third = document->DisplayParameters(2);
    EXPECT_EQ(first.rescaleSlope, 2);
    EXPECT_EQ(first.rescaleIntercept, -10);
    EXPECT_EQ(first.windows.front().centre, 20);
    EXPECT_EQ(second.rescaleSlope, 3);
    EXPECT_EQ(second.windows.front().centre, 30);
    // Frames without their own group item fall back to the shared groups.
    EXPECT_EQ(third.rescaleSlope, 1);
    EXPECT_EQ(third.windows.front().centre, 50);
}

CByteView View(const std::vector<std::uint8_t>& bytes) {
    return {bytes.data(), bytes.size()};
}

TEST(EncapsulatedFrames, FramesAreFoundByOffsetTableCountOrStartMarkers) {
    const std::vector<std::uint8_t> jpegStart = {0xFF, 0xD8, 1, 2};
    const std::vector<std::uint8_t> middle = {5, 6, 7, 8, 9, 10};
    const std::vector<std::uint8_t> empty;
    const auto pixels = [&](std::vector<std::uint32_t> offsets,
                            std::vector<const std::vector<std::uint8_t>*> parts) {
        static std::vector<std::uint8_t> table;
        table.clear();
        for (const std::uint32_t offset : offsets) {
            for (int b = 0; b < 4; ++b) {
                table.push_back(static_cast<std::uint8_t>(offset >> (8 * b)));
            }
        }
        CDicomElement element;
        element.encapsulated = true;
        element.fragments.push_back(View(table));
        for (const auto* part : parts) {
            element.fragments.push_back(View(*part));
        }
        return element;
    };
    const CDicomDataSet none;
    // Offset table: frame 2 starts at the third fragment (two items of 8 + 4 and 8 + 6 bytes).
    auto frames = SplitFrames(pixels({0, 26}, {&jpegStart, &middle, &jpegStart}), none, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].size(), 2u);
    EXPECT_EQ(frames[1].size(), 1u);
    // No table, one fragment per frame.
    frames = SplitFrames(pixels({}, {&middle, &middle, &middle}), none, 3);
    EXPECT_EQ(frames.size(), 3u);
    // No table, more fragments than frames: the code streams' start markers decide.
    frames = SplitFrames(pixels({}, {&jpegStart, &middle, &middle, &jpegStart, &middle}), none, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].size(), 3u);
    EXPECT_EQ(frames[1].size(), 2u);
    // An offset table that points between fragments is ignored.
    frames = SplitFrames(pixels({0, 3}, {&jpegStart, &jpegStart}), none, 2);
    EXPECT_EQ(frames.size(), 2u);
    // A single frame takes every fragment.
    frames = SplitFrames(pixels({}, {&jpegStart, &middle, &empty}), none, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].size(), 3u);
}

}  // namespace
