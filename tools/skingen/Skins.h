#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "SkinLayout.h"
#include "SkinPalette.h"

// The program's skins: the start-up skin and the eight of the Change Skin packages.
struct CSkinDesign {
    QString id;  // as skingen names it
    ELayout layout;
    CSkinPalette palette;
};

// The ids in package order: startup, then orange, black, purple, blue, red, gray, pink, deluxe.
QStringList SkinIds();
std::optional<CSkinDesign> FindSkin(const QString& id);

// Draws the skin `id` into `folder`; false for an unknown id or a file that cannot be written.
bool WriteSkin(const QString& id, const QString& folder);
