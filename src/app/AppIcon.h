#pragma once

#include <QPixmap>

// The application's icon, drawn in the given square size.
QPixmap CreateAppIcon(int extent);
