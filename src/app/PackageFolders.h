#pragma once

#include <string>
#include <vector>

// The folders searched for skin packages, in order: the folder the program was started in, the
// skins that come with the program (../share/vitrine/skins next to an installed executable, else
// the build's skin folder a few levels above one of the build's) and the user's own, under
// $XDG_DATA_HOME.
std::vector<std::string> SkinPackageFolders(const std::string& startFolder);
