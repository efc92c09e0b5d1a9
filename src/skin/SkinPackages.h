#pragma once

#include <array>

// The skin packages the program knows: the one it starts with, and those of the Change Skin
// commands, with their menu texts. Packages are zip archives holding Skin.ini and its pictures
// at their root; the extension makes no difference.
namespace SkinPackages {

constexpr char kStartup[] = "Purple.skn";

struct SCommand {
    int command;
    const char* menuText;
    const char* package;
};

constexpr int kFirstCommand = 32771;
constexpr std::array<SCommand, 8> kCommands = {{
    {32771, "&Orange", "Orange.zip"},
    {32772, "&Black", "Black.zip"},
    {32773, "&Purple", "Purple.zip"},
    {32774, "Bl&ue", "Blue.zip"},
    {32775, "&Red", "Red.zip"},
    {32776, "&Gray", "Gray.zip"},
    {32777, "P&ink", "Pink.zip"},
    {32778, "&Deluxe", "Deluxe.zip"},
}};

// The Change Skin command `command`, or nullptr when it is none of them.
const SCommand* FindCommand(int command);

}  // namespace SkinPackages
