#include "DicomMetadata.h"

#include <map>

#include "dicom/CharacterSet.h"
#include "dicom/DicomDictionary.h"
#include "dicom/DicomValueText.h"

namespace {

class CMetadataBuilder {
public:
    CMetadataBuilder(CMetadata& metadata, std::string transferSyntaxName)
        : m_metadata(metadata), m_transferSyntaxName(std::move(transferSyntaxName)) {}

    void AddTopLevel(const CDicomDataSet& dataSet, const CCharacterSet& characterSet) {
        for (const CDicomElement& element : dataSet.elements) {
            AddElement(SectionOf(element.tag.group), element, characterSet, 0);
        }
    }

private:
    CMetadataSection& SectionOf(std::uint16_t group) {
        const auto found = m_sections.find(group);
        if (found != m_sections.end()) {
            return m_metadata[found->second];
        }
        m_sections[group] = m_metadata.size();
        m_metadata.push_back({DicomDictionary::GroupName(group), {}});
        return m_metadata.back();
    }

    static std::string Prefix(int depth) {
        return depth == 0 ? std::string() : std::string(depth, '>') + " ";
    }

    void AddElement(CMetadataSection& section, const CDicomElement& element,
                    const CCharacterSet& characterSet, int depth) {
        const CDicomTag tag = element.tag;
        section.entries.push_back({Prefix(depth) + tag.ToString() + " " + DicomDictionary::Keyword(tag),
                                   ElementValueText(element, characterSet, m_transferSyntaxName)});
        for (std::size_t i = 0; i < element.items.size(); ++i) {
            AddItem(section, element.items[i], i, characterSet, depth + 1);
        }
    }

    void AddItem(CMetadataSection& section, const CDicomDataSet& item, std::size_t index,
                 const CCharacterSet& inherited, int depth) {
        const std::size_t count = item.elements.size();
        section.entries.push_back({Prefix(depth) + "Item " + std::to_string(index + 1),
                                   std::to_string(count) + (count == 1 ? " element" : " elements")});
        // An item may name its own character set for its values and those nested in it.
        const CDicomElement* own = item.Find(DicomTags::kSpecificCharacterSet);
        const CCharacterSet characterSet = own ? CCharacterSet(DicomValues::Text(*own)) : inherited;
        for (const CDicomElement& element : item.elements) {
            AddElement(section, element, characterSet, depth);
        }
    }

    CMetadata& m_metadata;
    std::string m_transferSyntaxName;
    std::map<std::uint16_t, std::size_t> m_sections;
};

}  // namespace

CMetadata BuildDicomMetadata(const CDicomFile& file, CMetadataSection fileSection) {
    CMetadata metadata;
    metadata.push_back(std::move(fileSection));
    CMetadataBuilder builder(metadata, DicomDictionary::UidName(file.transferSyntax));
    builder.AddTopLevel(file.meta, CCharacterSet());
    builder.AddTopLevel(file.dataSet, CCharacterSet(file.dataSet.Text(DicomTags::kSpecificCharacterSet)));
    return metadata;
}
