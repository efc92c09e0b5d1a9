// vitrine-unzip: the zip reader from the command line.
//   vitrine-unzip list ARCHIVE          one line per entry: index, name, method, compressed size,
//                                       uncompressed size, CRC-32, flags, dir or file
//   vitrine-unzip extract ARCHIVE DEST  extracts every entry as a skin package is extracted, one line
//                                       per entry: index, name, ok / refused / error cause N
//   vitrine-unzip --help | --version
// Exit status: 0 every entry ok, 1 some refused, 2 wrong usage, 3 an error.
#include <cstdio>
#include <string>

#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

namespace {

enum ExitStatus { kAllOk = 0, kSomeRefused = 1, kUsage = 2, kError = 3 };

const char kUsageText[] =
    "usage: vitrine-unzip list ARCHIVE\n"
    "       vitrine-unzip extract ARCHIVE DEST\n"
    "       vitrine-unzip --help | --version\n";

// Runs `action`; a reader or file error is printed after `prefix` and turns into kError.
template <typename Action>
int Guarded(const std::string& prefix, Action action) {
    try {
        return action();
    } catch (const CZipException& error) {
        std::printf("%scause %d\n", prefix.c_str(), error.GetCause());
    } catch (const CFileException& error) {
        std::printf("%sfile error: %s\n", prefix.c_str(), error.Reason().c_str());
    }
    return kError;
}

std::string EntryName(const CZipReader& reader, std::uint16_t index) {
    CZipEntry entry;
    reader.GetEntryInfo(index, entry);
    return entry.Name();
}

int List(CZipReader& reader) {
    for (int i = 0; i < reader.GetCount(); ++i) {
        CZipEntry entry;
        reader.GetEntryInfo(static_cast<std::uint16_t>(i), entry);
        std::printf("%d\t%s\t%u\t%u\t%u\t%08x\t%04x\t%s\n", i, entry.Name().c_str(), unsigned{entry.m_method},
                    unsigned{entry.m_compressedSize}, unsigned{entry.m_uncompressedSize},
                    unsigned{entry.m_crc32}, unsigned{entry.m_flags}, entry.IsDirectory() ? "dir" : "file");
    }
    return kAllOk;
}

// As the skin engine does: every index in turn, stopping at the first error.
int Extract(CZipReader& reader, const std::string& destination) {
    int status = kAllOk;
    for (int i = 0; i < reader.GetCount(); ++i) {
        const auto index = static_cast<std::uint16_t>(i);
        const std::string line = std::to_string(i) + "\t" + EntryName(reader, index) + "\t";
        const int result = Guarded(line + "error ", [&] {
            const bool ok = reader.ExtractEntry(index, destination, true, CZipReader::kDefaultBufferSize);
            std::printf("%s%s\n", line.c_str(), ok ? "ok" : "refused");
            return ok ? kAllOk : kSomeRefused;
        });
        if (result == kError) {
            return kError;
        }
        status = result > status ? result : status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 2 && (command == "--help" || command == "-h")) {
        std::printf("%s", kUsageText);
        return kAllOk;
    }
    if (argc == 2 && command == "--version") {
        std::printf("vitrine-unzip %s\n", VITRINE_VERSION);
        return kAllOk;
    }
    const bool list = command == "list" && argc == 3;
    const bool extract = command == "extract" && argc == 4;
    if (!list && !extract) {
        std::fprintf(stderr, "%s", kUsageText);
        return kUsage;
    }
    CZipReader reader;
    reader.Close(true);
    const int mode = list ? CZipReader::zipOpenReadOnly : CZipReader::zipOpen;
    int status = Guarded("open: ", [&] {
        reader.Open(argv[2], mode, 0);
        return kAllOk;
    });
    if (status == kAllOk) {
        status = list ? List(reader) : Extract(reader, argv[3]);
    }
    reader.Close(true);
    return status;
}
