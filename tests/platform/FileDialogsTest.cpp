#include <gtest/gtest.h>

#include "platform/FileDialogs.h"

namespace {

TEST(FileDialogs, FiltersOfDescriptionAndPatternPairsBecomeQtFiltersWithThePairsPatterns) {
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"DICOM Images (*.dcm)|*.dcm||", {"DICOM Images (*.dcm)"}},
        // The description names one pattern, the pair two; a stray blank after a pattern.
        {"JPEG 2000 (*.j2k)|*.j2k;*.j2c|Gif (*.gif)|*.gif |PNG|*.png||",
         {"JPEG 2000 (*.j2k *.j2c)", "Gif (*.gif)", "PNG (*.png)"}},
        {"", {}},
        {"||", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CFileDialogs::QtFilters(c.filter), c.expected) << c.filter;
    }
}

}  // namespace
