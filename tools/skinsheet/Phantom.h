#pragma once

#include <string>

// Writes a multi-frame head phantom (ellipses of the classic tomography test object,
// whose inner parts pulse from frame to frame) as a DICOM file; false when it cannot be written.
bool WritePhantom(const std::string& path, int size, int frames);
