#include <gtest/gtest.h>

#include "DicomFixtures.h"
#include "dicom/CharacterSet.h"

namespace {

std::vector<std::string> SectionNames(const CMetadata& metadata) {
    std::vector<std::string> names;
    for (const CMetadataSection& section : metadata) {
        names.push_back(section.name);
    }
    return names;
}

const CMetadataSection* Section(const CMetadata& metadata, const std::string& name) {
    for (const CMetadataSection& section : metadata) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

std::string ValueOf(const CMetadataSection& section, const std::string& name) {
    for (const CMetadataEntry& entry : section.entries) {
        if (entry.name == name) {
            return entry.value;
        }
    }
    return "<missing " + name + ">";
}

CDicomWriter Item(std::initializer_list<std::pair<std::uint16_t, std::string>> uids) {
    CDicomWriter item = CDicomWriter::Item(CDicomWriter::EEncoding::ExplicitLittle);
    for (const auto& [element, uid] : uids) {
        item.Text(0x0008, element, "UI", uid);
    }
    return item;
}

TEST(DicomMetadata, SectionsFollowTheFileSectionThenTheGroupsInFileOrder) {
    CDicomWriter writer;
    writer.Text(0x0008, 0x0060, "CS", "CT")
        .Text(0x0009, 0x0010, "LO", "MAKER")
        .Text(0x0010, 0x0010, "PN", "A^B");
    writer.Text(0x0021, 0x0010, "LO", "X").Text(0x0034, 0x0001, "LO", "unlisted");
    writer.Image(1, 1, 1, 8, 8, false, "MONOCHROME2").Bytes(0x7FE0, 0x0010, "OB", {7, 0});
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    EXPECT_EQ(SectionNames(document->Metadata()),
              (std::vector<std::string>{"File", "File Meta Information", "Identification", "Private 0009",
                                        "Patient", "Private 0021", "Image Presentation", "Group 0034",
                                        "Pixel Data"}));
}

TEST(DicomMetadata, EntriesShowTagKeywordAndValueAsText) {
    CDicomWriter writer;
    writer.Text(0x0008, 0x0008, "CS", "ORIGINAL\\PRIMARY\\AXIAL");
    writer.Text(0x0010, 0x0010, "PN", "Doe^John\\Roe^Richard");
    writer.Bytes(0x0010, 0x0020, "LO", {'I', 'D', '7', 0});
    writer.UShort(0x0028, 0x0010, {2}).UShort(0x0028, 0x0011, {3});
    writer.UShort(0x0028, 0x1101, {256, 0, 16});
    writer.Bytes(0x0018, 0x9089, "FD", {0, 0, 0, 0, 0, 0, 0xF8, 0x3F});  // 1.5
    writer.Bytes(0x0020, 0x9165, "AT", {0x28, 0, 0x10, 0});
    writer.Bytes(0x0029, 0x0010, "LO", {'A', 'C', 'M', 'E'});
    writer.Bytes(0x0029, 0x1001, "OB", std::vector<std::uint8_t>(20, 0xAB));
    writer.Image(2, 3, 1, 8, 8, false, "MONOCHROME2").Bytes(0x7FE0, 0x0010, "OB", {1, 2, 3, 4, 5, 6});
    CTempDir folder;
    const auto document = OpenWritten(folder, writer, "entries.dcm");
    ASSERT_TRUE(document);
    const CMetadata& metadata = document->Metadata();
    struct CCase {
        const char* section;
        const char* name;
        const char* value;
    };
    const CCase cases[] = {
        {"File", "File Name", "entries.dcm"},
        {"File", "Transfer Syntax", "1.2.840.10008.1.2.1 (Explicit VR Little Endian)"},
        {"File", "Dimensions", "3 x 2"},
        {"File", "Frames", "1"},
        {"File", "Photometric Interpretation", "MONOCHROME2"},
        {"File", "Bits", "8 allocated, 8 stored, high bit 7, unsigned"},
        {"File Meta Information", "(0002,0010) TransferSyntaxUID", "1.2.840.10008.1.2.1"},
        {"Identification", "(0008,0008) ImageType", "ORIGINAL\\PRIMARY\\AXIAL"},
        {"Patient", "(0010,0010) PatientName", "Doe^John\\Roe^Richard"},
        {"Patient", "(0010,0020) PatientID", "ID7"},
        {"Acquisition", "(0018,9089) DiffusionGradientOrientation", "1.5"},
        {"Relationship", "(0020,9165) DimensionIndexPointer", "(0028,0010)"},
        {"Image Presentation", "(0028,0011) Columns", "3"},
        {"Image Presentation", "(0028,1101) RedPaletteColorLookupTableDescriptor", "256\\0\\16"},
        {"Private 0029", "(0029,0010) PrivateCreator", "ACME"},
        {"Private 0029", "(0029,1001) Unknown",
         "20 bytes: AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB ..."},
        {"Pixel Data", "(7FE0,0010) PixelData", "6 bytes, native"},
    };
    for (const CCase& c : cases) {
        const CMetadataSection* section = Section(metadata, c.section);
        ASSERT_TRUE(section) << c.section;
        EXPECT_EQ(ValueOf(*section, c.name), c.value) << c.section << " / " << c.name;
    }
}

TEST(DicomMetadata, SequenceItemsFollowTheirSequenceMarkedByDepth) {
    CDicomWriter nested = Item({{0x1150, "1.1"}});
    nested.Sequence(0x0008, 0x1199, {Item({{0x1155, "2.2"}})});
    CDicomWriter writer;
    writer.Sequence(0x0008, 0x1140, {Item({{0x1150, "3.3"}}), nested});
    writer.Text(0x0008, 0x2111, "ST", "after");
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    const CMetadataSection* section = Section(document->Metadata(), "Identification");
    ASSERT_TRUE(section);
    std::vector<std::string> lines;
    for (const CMetadataEntry& entry : section->entries) {
        lines.push_back(entry.name + " = " + entry.value);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "(0008,1140) ReferencedImageSequence = 2 items",
                         "> Item 1 = 1 element",
                         "> (0008,1150) ReferencedSOPClassUID = 3.3",
                         "> Item 2 = 2 elements",
                         "> (0008,1150) ReferencedSOPClassUID = 1.1",
                         "> (0008,1199) ReferencedSOPSequence = 1 item",
                         ">> Item 1 = 1 element",
                         ">> (0008,1155) ReferencedSOPInstanceUID = 2.2",
                         "(0008,2111) DerivationDescription = after",
                     }));
}

TEST(DicomMetadata, EncapsulatedPixelDataShowsItsLengthFragmentsAndEncoding) {
    CDicomWriter writer("1.2.840.10008.1.2.5");
    writer.Image(1, 1, 1, 8, 8, false, "MONOCHROME2");
    writer.Encapsulated({}, {std::vector<std::uint8_t>(70, 0), std::vector<std::uint8_t>(10, 0)});
    CTempDir folder;
    const auto document = OpenWritten(folder, writer);
    ASSERT_TRUE(document);
    const CMetadataSection* section = Section(document->Metadata(), "Pixel Data");
    ASSERT_TRUE(section);
    EXPECT_EQ(ValueOf(*section, "(7FE0,0010) PixelData"), "80 bytes in 2 fragments, RLE Lossless");
}

struct CTextCase {
    const char* characterSet;
    const char* vr;
    std::string raw;
    std::string expected;
};

TEST(CharacterSet, ValuesDecodeToUtf8ByTheSpecificCharacterSet) {
    const CTextCase cases[] = {
        {"", "LO", "Caf\xe9", "Caf\xc3\xa9"},
        {"ISO_IR 100", "LO", "a\\b\xe9", "a\\b\xc3\xa9"},
        {"ISO IR 100", "LO", "\xe9", "\xc3\xa9"},  // a common misspelling still names Latin-1
        {"ISO_IR 999", "LO", "\xe9", "\xc3\xa9"},  // an unknown set falls back to the default
        {"ISO_IR 192", "LO", "ok\xff", "ok\xef\xbf\xbd"},
        {"ISO_IR 192", "CS", "\xc3\xa9", "\xc3\x83\xc2\xa9"},  // codes are not in the character set
        {"ISO_IR 13", "PN", "\xd4\xcf", "\xef\xbe\x94\xef\xbe\x8f"},
        {"ISO_IR 144", "PN", "\xbb\xee", "\xd0\x9b\xd1\x8e"},
        {"ISO_IR 100", "PN", "A^B==", "A^B"},  // empty component groups at the end are dropped
        {"ISO_IR 100", "LT", "C:\\temp", "C:\\temp"},
        // A delimiter returns to the first set: "^Hong" after Korean is read as ASCII again.
        {"\\ISO 2022 IR 149", "PN", "\x1b$)C\xfb\xf3^Hong", "\xe6\xb4\xaa^Hong"},
    };
    for (const CTextCase& c : cases) {
        const CCharacterSet characterSet(c.characterSet);
        const CVr vr = static_cast<CVr>(c.vr[0] << 8 | c.vr[1]);
        const CByteView bytes{reinterpret_cast<const std::uint8_t*>(c.raw.data()), c.raw.size()};
        EXPECT_EQ(characterSet.Decode(bytes, vr), c.expected) << c.characterSet << " " << c.vr;
    }
}

}  // namespace
