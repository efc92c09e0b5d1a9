#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Dispatch.h"

// The viewer window's handle on its viewer control: one member per operation, each a single
// automation call by dispatch identifier. Failures the control reports, and calls made before a
// control is attached, throw CDispatchException.
class CImageViewer {
public:
    CImageViewer() = default;
    explicit CImageViewer(IDispatchTarget* target) : m_target(target) {}

    void Attach(IDispatchTarget* target) { m_target = target; }
    IDispatchTarget* Target() const { return m_target; }

    void SetFileName(const std::string& path);
    void SetViewMode(std::int16_t mode);
    void SetOpenOption(std::int32_t option);
    std::int16_t ShowFile(const std::string& path, std::int16_t index);
    std::int16_t ShowFileIndex();
    std::int16_t SaveImage(const std::string& path, const std::string& text, std::int16_t a, std::int16_t b);
    void ZoomIn();
    void ZoomOut();
    std::int16_t PageCount();
    bool OpenFile(const std::string& name);
    bool GoToPage(std::int16_t page);
    std::int32_t SectionCount();
    std::string SectionName(std::int32_t section);
    std::int32_t EntryCount(std::int32_t section);
    std::string EntryValue(std::int32_t section, std::int32_t entry);
    std::string EntryName(std::int32_t section, std::int32_t entry);
    bool Start(std::int32_t value);
    // Why the last open or save failed, in the control's words.
    std::string LastError();

private:
    CVariant Invoke(int dispid, EDispatchKind kind, std::vector<CVariant> args = {});

    IDispatchTarget* m_target = nullptr;
};
