#pragma once

#include <QImage>
#include <QJsonObject>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/TempDir.h"

// A page or frame as a reader that is not ours decoded it (see decode_pictures.py).
struct CDecodedFrame {
    int width = 0;
    int height = 0;
    int channels = 0;  // 1 grey, 3 RGB
    std::string mode;  // as stored: "grey", "bilevel", "palette", "rgb", "rgba"
    std::vector<std::uint8_t> pixels;
    std::optional<int> duration;  // ms, for animation frames
    bool opaque = true;

    QSize Size() const { return {width, height}; }
    double MeanValue() const;
};

struct CDecodedFile {
    std::string decoder;
    std::string error;  // empty when decoded
    QJsonObject info;
    std::vector<CDecodedFrame> frames;
};

// Decodes files of `folder` by name, all in one run of the script.
std::map<std::string, CDecodedFile> DecodeIndependently(const CTempDir& folder,
                                                        const std::vector<std::string>& names);

// How far a decoded frame is from the page it should show (Grayscale8 or colour). A grey frame
// of a colour page is compared with the page's luminance; an RGB frame of a grey page with the
// grey in each channel.
struct CDifference {
    int largest = 0;
    double mean = 0;
};
CDifference Difference(const CDecodedFrame& frame, const QImage& page);
