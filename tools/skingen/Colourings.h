#pragma once

#include <QString>
#include <QStringList>

// The program's skins, for now the development skin in one colouring each: "startup" (the
// skin the program starts with) and the eight of the Change Skin menu.
QStringList SkinIds();

// Draws the skin `id` into `folder`; false for an unknown id or a folder that cannot be written.
bool WriteSkin(const QString& id, const QString& folder);
