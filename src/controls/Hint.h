#pragma once

#include <string>

class QWidget;

// Gives `control` the tooltip `text`, shown only while `activate` holds. An empty text shows
// nothing.
void ApplyHint(QWidget& control, const std::string& text, bool activate);
