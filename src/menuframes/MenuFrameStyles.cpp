#include "MenuFrameStyles.h"

namespace {

constexpr CMenuFrameStyle Style(int key) {
    const bool twoTone = key == 2 || key == 3 || key == 8 || key == 9;
    return {key, key % 2 == 0, twoTone ? EFramePainter::TwoTone : EFramePainter::Platform};
}

constexpr std::array<CMenuFrameStyle, kMenuFrameStyleCount> kStyles = {
    Style(6), Style(7), Style(0), Style(1), Style(2), Style(3), Style(8), Style(9), Style(4), Style(5)};

}  // namespace

const std::array<CMenuFrameStyle, kMenuFrameStyleCount>& RegisteredMenuFrameStyles() {
    return kStyles;
}

const CMenuFrameStyle* FindMenuFrameStyle(int key) {
    for (const CMenuFrameStyle& style : kStyles) {
        if (style.key == key) {
            return &style;
        }
    }
    return nullptr;
}
