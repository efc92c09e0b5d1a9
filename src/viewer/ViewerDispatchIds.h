#pragma once

// Dispatch identifiers of the viewer control's automation interface.
namespace ViewerDispatchIds {
enum : int {
    FileName = 1,
    ViewMode = 3,
    OpenOption = 41,
    ShowFile = 85,
    ShowFileIndex = 86,
    SaveImage = 87,
    ZoomIn = 139,
    ZoomOut = 140,
    PageCount = 262,
    OpenFile = 263,
    GoToPage = 264,
    SectionCount = 265,
    SectionName = 266,
    EntryCount = 267,
    EntryValue = 268,
    EntryName = 269,
    Start = 270,
    // Why the last open or save failed; empty after one that succeeded.
    LastError = 271,
};
}  // namespace ViewerDispatchIds
