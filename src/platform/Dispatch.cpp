#include "Dispatch.h"

namespace {

[[noreturn]] void ThrowTypeMismatch() {
    throw CDispatchException(CDispatchException::ECode::TypeMismatch, "Type mismatch.");
}

// The number inside a numeric or Boolean value; a Boolean counts as automation's -1 / 0.
std::int32_t NumberOf(
    const std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::string>& value) {
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b ? -1 : 0;
    }
    if (const auto* s = std::get_if<std::int16_t>(&value)) {
        return *s;
    }
    if (const auto* l = std::get_if<std::int32_t>(&value)) {
        return *l;
    }
    ThrowTypeMismatch();
}

}  // namespace

CVariant CVariant::Bool(bool value) {
    CVariant v;
    v.m_value = value;
    return v;
}

CVariant CVariant::Short(std::int16_t value) {
    CVariant v;
    v.m_value = value;
    return v;
}

CVariant CVariant::Long(std::int32_t value) {
    CVariant v;
    v.m_value = value;
    return v;
}

CVariant CVariant::Text(std::string value) {
    CVariant v;
    v.m_value = std::move(value);
    return v;
}

bool CVariant::ToBool() const {
    return NumberOf(m_value) != 0;
}

std::int16_t CVariant::ToShort() const {
    return static_cast<std::int16_t>(NumberOf(m_value));
}

std::int32_t CVariant::ToLong() const {
    return NumberOf(m_value);
}

const std::string& CVariant::ToText() const {
    if (const auto* text = std::get_if<std::string>(&m_value)) {
        return *text;
    }
    ThrowTypeMismatch();
}

CDispatchException::CDispatchException(ECode code, const std::string& description)
    : std::runtime_error(description), m_code(code), m_description(description) {}
