#include "SkinFolder.h"

#include <utility>

namespace {

std::string& Storage() {
    static std::string folder;
    return folder;
}

}  // namespace

const std::string& SkinFolder() {
    return Storage();
}

void SetSkinFolder(std::string folder) {
    Storage() = std::move(folder);
}
