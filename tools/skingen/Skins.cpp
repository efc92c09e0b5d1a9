#include "Skins.h"

#include "SkinPalettes.h"
#include "SkinWriter.h"

namespace {

std::vector<CSkinDesign> Designs() {
    using namespace SkinPalettes;
    return {
        {"startup", "Purple (start-up)", ELayout::Side, Violet()},
        {"orange", "Orange", ELayout::Console, Orange()},
        {"black", "Black", ELayout::Side, Black()},
        {"purple", "Purple", ELayout::Compact, Lilac()},
        {"blue", "Blue", ELayout::Console, Blue()},
        {"red", "Red", ELayout::Rail, Red()},
        {"gray", "Gray", ELayout::Rail, Gray()},
        {"pink", "Pink", ELayout::Compact, Pink()},
        {"deluxe", "Deluxe", ELayout::Console, Deluxe()},
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
