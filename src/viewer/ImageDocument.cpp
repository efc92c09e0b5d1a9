#include "ImageDocument.h"

#include <cstring>

#include "viewer/DicomDocument.h"
#include "viewer/MappedFile.h"
#include "viewer/RasterDocument.h"
#include "viewer/TiffDocument.h"

namespace {

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::unique_ptr<CImageDocument> OpenImageDocument(const std::string& path, std::string& error) {
    std::unique_ptr<CMappedFile> file = CMappedFile::Open(path, error);
    if (!file) {
        return nullptr;
    }
    const CByteView bytes = file->Bytes();
    const std::string name = BaseName(path);
    if (bytes.Empty()) {
        error = "The file is empty.";
        return nullptr;
    }
    // A DICOM preamble may itself hold a TIFF header, so the DICOM mark is looked for first.
    const bool dicomMark = bytes.size >= 132 && std::memcmp(bytes.data + 128, "DICM", 4) == 0;
    if (!dicomMark && CTiffDocument::Recognise(bytes.data, bytes.size)) {
        return CTiffDocument::Open(path, name, bytes.size, error);
    }
    std::string dicomError;
    if (LooksLikeDicom(bytes.Sub(0, 4096))) {
        const std::uint64_t size = bytes.size;
        if (auto document = CDicomDocument::Open(std::move(file), name, dicomError)) {
            return document;
        }
        if (!CRasterDocument::Recognise(path)) {
            error = dicomError;
            return nullptr;
        }
        return CRasterDocument::Open(path, name, size, error);
    }
    return CRasterDocument::Open(path, name, bytes.size, error);
}
