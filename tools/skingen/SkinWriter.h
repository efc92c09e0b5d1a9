#pragma once

#include <QString>

#include "SkinLayout.h"
#include "SkinPalette.h"

// Draws a skin into `folder` (made if missing): every picture its description names, the
// notifier's face dlgTaskNotifier.bmp, and Skin.ini. False when a file cannot be written.
bool DrawSkin(const CSkinLayout& layout, const CSkinPalette& palette, const QString& folder);
