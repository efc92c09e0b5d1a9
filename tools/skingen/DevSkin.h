#pragma once

#include <QString>

// Draws the development skin into `folder`: every picture plus its Skin.ini.
bool WriteDevSkin(const QString& folder);
