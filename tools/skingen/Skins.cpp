#include "Skins.h"

#include "SkinPalettes.h"
#include "SkinWriter.h"

namespace {

std::vector<CSkinDesign> Designs() {
    using namespace SkinPalettes;
    return {
        {"startup", ELayout::Side, Violet()},   {"orange", ELayout::Console, Orange()},
        {"black", ELayout::Side, Black()},      {"purple", ELayout::Compact, Lilac()},
        {"blue", ELayout::Console, Blue()},     {"red", ELayout::Rail, Red()},
        {"gray", ELayout::Rail, Gray()},        {"pink", ELayout::Compact, Pink()},
        {"deluxe", ELayout::Console, Deluxe()},
    };
}

}  // namespace

QStringList SkinIds() {
    QStringList ids;
    for (const CSkinDesign& design : Designs()) {
        ids << design.id;
    }
    return ids;
}

std::optional<CSkinDesign> FindSkin(const QString& id) {
    for (CSkinDesign& design : Designs()) {
        if (design.id == id) {
            return design;
        }
    }
    return std::nullopt;
}

bool WriteSkin(const QString& id, const QString& folder) {
    const std::optional<CSkinDesign> design = FindSkin(id);
    return design && DrawSkin(MakeLayout(design->layout, design->palette), design->palette, folder);
}
