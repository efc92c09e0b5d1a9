#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

// Automation by dispatch identifier: the viewer window drives its viewer control through calls
// that name an operation by number and carry typed values. This is the small part of that
// machinery the program needs: a value type, the call kinds, the target and its exception.

// One argument or result: nothing, a Boolean, a 16-bit or 32-bit signed number, or a text
// (UTF-8). Numbers convert into each other as automation does (narrowing keeps the low bits);
// a text never converts into a number and a number never into a text.
class CVariant {
public:
    CVariant() = default;
    static CVariant Bool(bool value);
    static CVariant Short(std::int16_t value);
    static CVariant Long(std::int32_t value);
    static CVariant Text(std::string value);

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool IsText() const { return std::holds_alternative<std::string>(m_value); }

    // Conversions for a declared parameter type; throw CDispatchException (type mismatch)
    // when the value cannot take that type.
    bool ToBool() const;
    std::int16_t ToShort() const;
    std::int32_t ToLong() const;
    const std::string& ToText() const;

    bool operator==(const CVariant& other) const { return m_value == other.m_value; }

private:
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::string> m_value;
};

enum class EDispatchKind { Method, PropertyGet, PropertyPut };

// A failure reported by the target of an automation call. The codes are those automation uses.
class CDispatchException : public std::runtime_error {
public:
    enum class ECode : std::uint32_t {
        MemberNotFound = 0x80020003,
        TypeMismatch = 0x80020005,
        Exception = 0x80020009,
        BadParamCount = 0x8002000E,
    };

    CDispatchException(ECode code, const std::string& description);
    ECode Code() const { return m_code; }
    const std::string& Description() const { return m_description; }

private:
    ECode m_code;
    std::string m_description;
};

// Anything that can be driven by dispatch identifier.
class IDispatchTarget {
public:
    virtual ~IDispatchTarget() = default;
    virtual CVariant Invoke(int dispid, EDispatchKind kind, const std::vector<CVariant>& args) = 0;
};
