#include "SyntheticSeries.h"

#include <gdcmJPEG2000Codec.h>
#include <gdcmSequenceOfFragments.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <vector>

#include "DicomWriter.h"

namespace {

std::vector<std::int16_t> PhantomFrame(int size, int frame) {
    std::vector<std::int16_t> values(static_cast<std::size_t>(size) * size);
    std::uint32_t noise = 12345u + static_cast<std::uint32_t>(frame);
    const double centre = size / 2.0 + 10 * std::sin(frame * 0.05);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const double body = std::hypot(x - centre, y - size / 2.0) / (size * 0.45);
            const double organ = std::hypot(x - centre * 0.8, y - size * 0.4) / (size * 0.12);
            double value = body < 1 ? 40 : -1000;
            if (organ < 1) {
                value = 300 + 100 * std::cos(frame * 0.1);
            }
            values[static_cast<std::size_t>(y) * size + x] = static_cast<std::int16_t>(value + (noise >> 28));
        }
    }
    return values;
}

std::vector<std::uint8_t> Bytes(const std::vector<std::int16_t>& values) {
    std::vector<std::uint8_t> bytes(values.size() * 2);
    for (std::size_t i = 0; i < values.size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(values[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>((values[i] >> 8) & 0xFF);
    }
    return bytes;
}

bool EncodeJpeg2000(int size, const std::vector<std::uint8_t>& raw, std::vector<std::uint8_t>& out) {
    gdcm::JPEG2000Codec codec;
    codec.SetNumberOfDimensions(2);
    const unsigned int dimensions[3] = {static_cast<unsigned int>(size), static_cast<unsigned int>(size), 1};
    codec.SetDimensions(dimensions);
    codec.SetPhotometricInterpretation(gdcm::PhotometricInterpretation::MONOCHROME2);
    codec.SetPixelFormat(gdcm::PixelFormat(1, 16, 16, 15, 1));
    codec.SetReversible(true);
    gdcm::DataElement in(gdcm::Tag(0x7FE0, 0x0010));
    in.SetByteValue(reinterpret_cast<const char*>(raw.data()), static_cast<std::uint32_t>(raw.size()));
    gdcm::DataElement encoded;
    if (!codec.Code(in, encoded)) {
        return false;
    }
    const gdcm::SequenceOfFragments* fragments = encoded.GetSequenceOfFragments();
    if (!fragments || fragments->GetNumberOfFragments() == 0) {
        return false;
    }
    const gdcm::ByteValue* value = fragments->GetFragment(0).GetByteValue();
    out.assign(value->GetPointer(), value->GetPointer() + value->GetLength());
    return true;
}

CDicomWriter Header(const CSyntheticSeries& series, const char* transferSyntax) {
    CDicomWriter writer(transferSyntax);
    writer.Text(0x0008, 0x0060, "CS", "CT").Text(0x0010, 0x0010, "PN", "Synthetic^Series");
    writer.Image(series.size, series.size, 1, 16, 16, true, "MONOCHROME2", series.frames);
    writer.Text(0x0028, 0x1050, "DS", "40").Text(0x0028, 0x1051, "DS", "400");
    return writer;
}

}  // namespace

bool WriteSyntheticSeries(const std::string& path, const CSyntheticSeries& series, std::string& error) {
    if (!series.jpeg2000) {
        const CDicomWriter writer = Header(series, "1.2.840.10008.1.2.1");
        const std::uint64_t frameBytes = std::uint64_t{2} * series.size * series.size;
        const bool written =
            writer.SaveStreaming(path, frameBytes * series.frames, [&series](std::ostream& out) {
                for (int frame = 0; frame < series.frames && out; ++frame) {
                    const std::vector<std::uint8_t> bytes = Bytes(PhantomFrame(series.size, frame));
                    out.write(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<std::streamsize>(bytes.size()));
                }
                return static_cast<bool>(out);
            });
        if (!written) {
            error = "cannot write " + path;
        }
        return written;
    }
    std::vector<std::vector<std::uint8_t>> distinct;
    for (int frame = 0; frame < series.distinctFrames; ++frame) {
        std::vector<std::uint8_t> encoded;
        if (!EncodeJpeg2000(series.size, Bytes(PhantomFrame(series.size, frame)), encoded)) {
            error = "the JPEG 2000 encoder failed";
            return false;
        }
        if (encoded.size() % 2 == 1) {
            encoded.push_back(0);
        }
        distinct.push_back(std::move(encoded));
    }
    std::vector<std::vector<std::uint8_t>> fragments;
    std::vector<std::uint32_t> offsets;
    std::uint32_t offset = 0;
    for (int frame = 0; frame < series.frames; ++frame) {
        fragments.push_back(distinct[static_cast<std::size_t>(frame % series.distinctFrames)]);
        offsets.push_back(offset);
        offset += static_cast<std::uint32_t>(8 + fragments.back().size());
    }
    CDicomWriter writer = Header(series, "1.2.840.10008.1.2.4.90");
    writer.Encapsulated(offsets, fragments);
    if (!writer.Save(path)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
