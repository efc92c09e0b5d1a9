#pragma once

#include <string>
#include <utility>

// The control name from the skin description and the control's position in the skin window's
// list of its kind; every skinned control carries both and reports events with the index.
class CControlIdentity {
public:
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    int Index() const { return m_index; }
    void SetIndex(int index) { m_index = index; }

private:
    std::string m_name;
    int m_index = 0;
};
