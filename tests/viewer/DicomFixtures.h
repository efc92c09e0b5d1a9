#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/TempDir.h"
#include "dicomgen/DicomWriter.h"
#include "viewer/ImageDocument.h"

// Little-endian bytes of 16-bit words, as native pixel data.
std::vector<std::uint8_t> LittleEndianWords(const std::vector<std::uint16_t>& words);

// Writes `bytes` (or the writer's file) into `folder` and opens it; fails the test when it does not open.
std::unique_ptr<CImageDocument> OpenBytes(const CTempDir& folder, const std::vector<std::uint8_t>& bytes,
                                          const std::string& name = "fixture.dcm");
std::unique_ptr<CImageDocument> OpenWritten(const CTempDir& folder, const CDicomWriter& writer,
                                            const std::string& name = "fixture.dcm");

// The page decoded as a list of numbers; empty when decoding fails.
std::vector<double> DecodedValues(const CImageDocument& document, int page, std::string* error = nullptr);
