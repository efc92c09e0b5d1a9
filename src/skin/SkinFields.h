#pragma once

#include <string>

#include "controls/SkinTypes.h"

// Taking the comma-separated values of a skin description apart.
namespace SkinFields {

// The splitter works on at most this many characters of the remaining list; longer lists are
// cut to it, so a field never reaches past them.
constexpr size_t kMaxListLength = 259;

// Takes the first field off `list`. Without a comma the whole list is the field and the list
// stays as it is, so missing trailing fields repeat the last one present.
std::string NextField(std::string& list);

// A decimal number read as atoi reads it (blanks, sign, digits; 0 without digits), saturated
// to 32 bits instead of overflowing.
std::int32_t ParseNumber(const std::string& field);

// Four fields: left, top, right, bottom.
SkinRect ParseRect(std::string& list);

// 0xRRGGBB written in decimal or with a 0x/0X prefix, stored with red in the low byte;
// kNoColor for an empty field, black for a field without digits.
SkinColor ParseColor(const std::string& field);

// True when the field starts with a capital T.
bool ParseFlag(const std::string& field);

// An edit box is enabled only by exactly "TRUE".
bool ParseEnabled(const std::string& field);

enum class Orientation { Horizontal, Vertical };
// Vertical when the field starts with a capital V.
Orientation ParseOrientation(const std::string& field);

}  // namespace SkinFields
