#pragma once

#include <QImage>
#include <optional>

#include "dicom/Frame.h"
#include "viewer/DisplayParameters.h"

// Which window a grey page is shown with.
struct CVoiChoice {
    enum class EMode {
        File,    // the file's first window, else its VOI lookup table, else the page's range
        MinMax,  // the page's range of modality values
        Custom,  // the centre and width below
    };
    EMode mode = EMode::File;
    double centre = 0;
    double width = 1;

    static CVoiChoice Window(double centre, double width) { return {EMode::Custom, centre, width}; }
    bool operator==(const CVoiChoice& other) const {
        return mode == other.mode &&
               (mode != EMode::Custom || (centre == other.centre && width == other.width));
    }
};

// A page made ready for the screen.
struct CRenderedPage {
    // Grayscale8 for grey pages, RGB32 for colour, ARGB32 for colour with transparency.
    QImage image;
    // The window that was applied to a grey page (none for colour and VOI lookup tables).
    std::optional<CWindow> window;
    // Modality values of the page, for turning mouse movement into window changes.
    double lowest = 0;
    double highest = 0;
};

// Turns the stored values of a page into an 8-bit display image: modality transform, VOI
// (window or table), MONOCHROME1 inversion; palette, RGB and YBR pages into colour.
CRenderedPage RenderFrame(const CFrame& frame, const CDisplayParameters& parameters,
                          const CVoiChoice& choice);

// The output of a window for one modality value, from 0 to 255 (not rounded).
double ApplyWindow(const CWindow& window, double value);
// The window that spans the values from `lowest` to `highest`.
CWindow MinMaxWindow(double lowest, double highest);
