#pragma once

// Helpers shared by the tests of the skinned lists and their scroll bar.

#include <QImage>
#include <array>
#include <string>

#include "common/SkinFolder.h"

class CSkinListBase;
class CSkinScrollBar;
class QWidget;

// Seven scroll bar pictures of distinct solid colours: arrows and thumb 16 x 16, the track
// 16 x 8 with an upper and a lower half of different colours, so that stretching shows.
struct SScrollPictures {
    static constexpr QRgb kTrackTop = qRgb(10, 10, 10);
    static constexpr QRgb kTrackBottom = qRgb(20, 20, 20);
    static constexpr QRgb kUp = qRgb(200, 0, 0);
    static constexpr QRgb kUpActive = qRgb(255, 80, 80);
    static constexpr QRgb kDown = qRgb(0, 200, 0);
    static constexpr QRgb kDownActive = qRgb(80, 255, 80);
    static constexpr QRgb kThumb = qRgb(0, 0, 200);
    static constexpr QRgb kThumbActive = qRgb(80, 80, 255);

    // Writes the pictures; a name in `missing` is left out, so that its load fails.
    explicit SScrollPictures(const std::string& missing = "");

    // Paths in the order track, up, up active, down, down active, thumb, thumb active.
    std::array<std::string, 7> paths;

    void LoadInto(CSkinScrollBar& bar) const;
    void AttachTo(CSkinListBase& list) const;

private:
    CSkinFixture m_folder;
};

// A mouse move over `widget` with no button held (QTest moves the real cursor for that, which
// needs a window on a screen).
void Hover(QWidget& widget, QPoint point);
