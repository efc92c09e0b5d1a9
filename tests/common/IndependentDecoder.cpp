#include "IndependentDecoder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

constexpr char kPython[] = "/usr/bin/python3";

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

CDecodedFile Parse(const CTempDir& folder, const QJsonObject& object) {
    CDecodedFile file;
    file.decoder = object["decoder"].toString().toStdString();
    file.error = object["error"].toString().toStdString();
    file.info = object["info"].toObject();
    for (const QJsonValue& value : object["frames"].toArray()) {
        const QJsonObject frameObject = value.toObject();
        CDecodedFrame frame;
        frame.width = frameObject["width"].toInt();
        frame.height = frameObject["height"].toInt();
        frame.channels = frameObject["channels"].toInt();
        frame.mode = frameObject["mode"].toString().toStdString();
        frame.opaque = frameObject["opaque"].toBool(true);
        if (frameObject.contains("duration")) {
            frame.duration = frameObject["duration"].toInt();
        }
        frame.pixels = ReadBytes(folder.File(frameObject["raw"].toString().toStdString()));
        file.frames.push_back(std::move(frame));
    }
    return file;
}

// The page's samples with `channels` per pixel: colour to luminance for one, grey repeated for three.
std::vector<int> Samples(const QImage& page, int channels) {
    const bool grey = page.format() == QImage::Format_Grayscale8;
    std::vector<int> samples;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb rgb = page.pixel(x, y);
            if (channels == 1) {
                samples.push_back(grey ? qRed(rgb)
                                       : static_cast<int>(std::lround(
                                             0.299 * qRed(rgb) + 0.587 * qGreen(rgb) + 0.114 * qBlue(rgb))));
            } else {
                samples.insert(samples.end(), {qRed(rgb), qGreen(rgb), qBlue(rgb)});
            }
        }
    }
    return samples;
}

}  // namespace

double CDecodedFrame::MeanValue() const {
    return pixels.empty() ? 0 : std::accumulate(pixels.begin(), pixels.end(), 0.0) / pixels.size();
}

std::map<std::string, CDecodedFile> DecodeIndependently(const CTempDir& folder,
                                                        const std::vector<std::string>& names) {
    QStringList arguments{DECODE_SCRIPT, QString::fromStdString(folder.Path())};
    for (const std::string& name : names) {
        arguments << QString::fromStdString(name);
    }
    QProcess script;
    script.start(kPython, arguments);
    std::map<std::string, CDecodedFile> files;
    if (!script.waitForFinished(60000) || script.exitCode() != 0) {
        const std::string problem =
            "the decoding script failed: " + script.readAllStandardError().toStdString();
        for (const std::string& name : names) {
            files[name].error = problem;
        }
        return files;
    }
    const QJsonObject all = QJsonDocument::fromJson(script.readAllStandardOutput()).object();
    for (const std::string& name : names) {
        files[name] = Parse(folder, all[QString::fromStdString(name)].toObject());
    }
    return files;
}

CDifference Difference(const CDecodedFrame& frame, const QImage& page) {
    const std::vector<int> expected = Samples(page, frame.channels);
    CDifference difference;
    if (expected.size() != frame.pixels.size() || expected.empty()) {
        difference.largest = 256;
        difference.mean = 256;
        return difference;
    }
    double total = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int delta = std::abs(expected[i] - frame.pixels[i]);
        difference.largest = std::max(difference.largest, delta);
        total += delta;
    }
    difference.mean = total / static_cast<double>(expected.size());
    return difference;
}
