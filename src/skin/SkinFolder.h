#pragma once

#include <string>

// The process-wide skin folder: the full path of the folder holding the skin description,
// ending in a path separator. File names of the description are appended to it.
const std::string& SkinFolder();
void SetSkinFolder(std::string folder);
