#pragma once

#include <string>
#include <vector>

// The folders searched for skin packages, in order: the folder the program was started in, the
// skins that come with the program (the build's skin folder beside a build, else
// ../share/vitrine/skins next to the executable) and the user's own, under $XDG_DATA_HOME.
std::vector<std::string> SkinPackageFolders(const std::string& startFolder);
