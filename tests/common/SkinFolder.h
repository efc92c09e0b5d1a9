#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "common/TempDir.h"

// A skin folder written by a test: pictures and a Skin.ini. By default it lives in its own
// temporary directory; given a folder, it writes there (creating it) and leaves removal to
// whoever owns that folder.
class CSkinFixture {
public:
    CSkinFixture();
    explicit CSkinFixture(std::string folder);

    // Writes `image` as a 24-bit BMP named `name`.
    void Picture(const std::string& name, const QImage& image) const;
    // Writes Skin.ini and returns its path.
    std::string Description(const std::string& text) const;
    std::string DescriptionPath() const { return File("Skin.ini"); }
    // The folder, ending in a separator.
    std::string Folder() const { return m_folder + "/"; }
    std::string File(const std::string& name) const { return m_folder + "/" + name; }

private:
    std::unique_ptr<CTempDir> m_ownDir;
    std::string m_folder;
};

// A `width` x `height` RGB32 picture of one colour.
QImage SolidPicture(int width, int height, QRgb colour);
