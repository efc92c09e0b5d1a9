#pragma once

#include <string>

// Text in code page 437, the character set of names in archives made on DOS and Windows, as UTF-8.
// Bytes below 0x80 are ASCII and stay as they are.
std::string Cp437ToUtf8(const std::string& text);
