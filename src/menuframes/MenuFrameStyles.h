#pragma once

#include <array>

// The frame styles a menu can be given. Ten are registered; the program uses key 2, a flat
// two-tone frame with a soft shadow, and leaves the others to the platform's look.
enum class EFramePainter {
    TwoTone,   // the frame of this library (MenuFramePainter.h)
    Platform,  // no frame of ours: the menu keeps Qt's look
};

struct CMenuFrameStyle {
    int key = 0;
    bool hasFrame = false;  // even keys frame their menus
    EFramePainter painter = EFramePainter::Platform;
};

inline constexpr int kMenuFrameStyleCount = 10;
inline constexpr int kCurrentMenuFrameStyle = 2;

// The styles in the order they are registered.
const std::array<CMenuFrameStyle, kMenuFrameStyleCount>& RegisteredMenuFrameStyles();

// The first registered style with `key`, or nullptr.
const CMenuFrameStyle* FindMenuFrameStyle(int key);
