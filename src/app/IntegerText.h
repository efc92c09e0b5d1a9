#pragma once

#include <cstdint>
#include <string_view>

// Numbers the viewer window reads from its edit boxes, as a user types them.
namespace IntegerText {

// The value of the text's leading optional sign and decimal digits, after any leading blanks;
// 0 when there are none. Whatever follows is ignored ("12abc" is 12), and values beyond the
// 32-bit range are held at its ends.
std::int32_t Value(std::string_view text);

// The low 16 bits of `value`, taken as signed: how a page number or a save setting reaches the
// viewer control's 16-bit parameters.
std::int16_t Low16(std::int32_t value);

}  // namespace IntegerText
