// Extracting entries: contents, failures and their causes, refusals, times and attributes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "ZipTestSupport.h"
#include "common/TempDir.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

namespace fs = std::filesystem;

namespace {

using Outcomes = std::vector<std::string>;

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(ZipExtract, ArchivesOfIndependentWritersComeOutWhole) {
    const CFixedDrive drive(EDriveKind::Fixed);
    const char* archives[] = {
        "python_mixed",         // stored, deflated, empty, 65535 bytes, folders
        "prefix200",            // 200 bytes in front of the archive
        "straddle",             // end record across the first search chunk
        "descriptor_signed",    // data descriptors after the data, with signature
        "descriptor_unsigned",  // ... and without
        "infozip_tree",         // folder entries, stored bitmaps, deflated text
        "names",                // code page 437 and UTF-8 names, backslash separator
        "span",                 // numbered volumes
        "excess_deflate",       // a stream longer than the declared size: only the declared bytes
    };
    for (const char* archive : archives) {
        SCOPED_TRACE(archive);
        CTempDir out;
        CZipReader reader;
        const Outcomes outcomes = ExtractAll(reader, Fixture(std::string(archive) + ".zip"), out.Path());
        EXPECT_EQ(outcomes, Outcomes(outcomes.size(), "ok"));
        EXPECT_EQ(ReadTree(out.Path()), ReadTree(Fixture(std::string(archive) + ".expected")));
        reader.Close(true);
    }
}

TEST(ZipExtract, AnyBufferSizeGivesTheSameFiles) {
    for (const std::uint32_t size : {1u, 7u, 4096u, 65534u, 65536u, 1u << 20}) {
        SCOPED_TRACE(size);
        CTempDir out;
        CZipReader reader;
        const Outcomes outcomes = ExtractAll(reader, Fixture("python_mixed.zip"), out.Path(), size);
        EXPECT_EQ(outcomes, Outcomes(8, "ok"));
        EXPECT_EQ(ReadTree(out.Path()), ReadTree(Fixture("python_mixed.expected")));
    }
}

TEST(ZipExtract, FailuresStopWithTheirCause) {
    const struct {
        const char* archive;
        Outcomes outcomes;
    } cases[] = {
        {"crc_mismatch.zip", {"cause 11"}},
        {"truncated.zip", {"cause 10"}},           // the file ends inside the entry's data
        {"short_deflate.zip", {"cause 8"}},        // the stream ends before its end mark
        {"unsupported_method.zip", {"cause 10"}},  // bzip2
        {"descriptor_mismatch.zip", {"cause 10"}},
        {"local_mismatch.zip", {"cause 10"}},  // local flags differ from the central header's
        {"short_stored.zip", {"refused"}},     // fewer bytes than the uncompressed size
        {"encrypted_mixed.zip", {"ok", "refused", "ok"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.archive);
        CTempDir out;
        CZipReader reader;
        EXPECT_EQ(ExtractAll(reader, Fixture(c.archive), out.Path()), c.outcomes);
        reader.Close(true);
    }
}

TEST(ZipExtract, RefusedAndFailedEntriesLeaveWhatTheyMust) {
    CZipReader reader;
    {
        CTempDir out;
        ExtractAll(reader, Fixture("encrypted_mixed.zip"), out.Path());
        EXPECT_EQ(ReadTree(out.Path()),
                  (std::map<std::string, std::string>{{"a.txt", "plain before"}, {"z.txt", "plain after"}}));
    }
    {
        // The data that was produced stays, and never more than was declared.
        CTempDir out;
        ExtractAll(reader, Fixture("short_stored.zip"), out.Path());
        EXPECT_EQ(fs::file_size(out.File("short.bin")), 100u);
    }
}

TEST(ZipExtract, CrcMismatchRefusesLaterEntriesUntilClose) {
    CTempDir out;
    CZipReader reader;
    EXPECT_EQ(ExtractAll(reader, Fixture("crc_mismatch.zip"), out.Path()), Outcomes{"cause 11"});
    // The bytes written stay on disk.
    EXPECT_EQ(FileBytes(out.File("first.txt")), "Checked data");
    EXPECT_FALSE(reader.ExtractEntry(1, out.Path(), true, 65535));
    EXPECT_FALSE(fs::exists(out.File("second.txt")));
    reader.Close(true);
    reader.Open(Fixture("crc_mismatch.zip"), CZipReader::zipOpen, 0);
    EXPECT_TRUE(reader.ExtractEntry(1, out.Path(), true, 65535));
    EXPECT_EQ(FileBytes(out.File("second.txt")), "second");
}

TEST(ZipExtract, NamesThatLeaveTheDestinationAreRefused) {
    CTempDir root;
    const std::string destination = root.File("dest");
    CZipReader reader;
    const Outcomes outcomes = ExtractAll(reader, Fixture("zip_slip.zip"), destination);
    // good1, ../evil1, a/../../evil2, /abs/evil3, ..\evil4, C:/evil5, sub/../inside, good2
    EXPECT_EQ(outcomes,
              (Outcomes{"ok", "refused", "refused", "refused", "refused", "refused", "refused", "ok"}));
    EXPECT_EQ(ReadTree(root.Path()), (std::map<std::string, std::string>{
                                         {"dest", "<dir>"},
                                         {"dest/good1.txt", "good1.txt"},
                                         {"dest/good2.txt", "good2.txt"},
                                     }));
}

TEST(ZipExtract, NothingIsWrittenThroughSymbolicLinks) {
    CTempDir root;
    const std::string destination = root.File("dest");
    fs::create_directories(root.File("elsewhere"));
    fs::create_directories(destination);
    fs::create_directory_symlink(root.File("elsewhere"), destination + "/folder");
    fs::create_symlink(root.File("elsewhere/target.bmp"), destination + "/stored.bmp");
    CZipReader reader;
    const Outcomes outcomes = ExtractAll(reader, Fixture("python_mixed.zip"), destination);
    // stored.bmp and everything under folder/ pass through a link.
    EXPECT_EQ(outcomes, (Outcomes{"refused", "ok", "ok", "ok", "ok", "refused", "refused", "refused"}));
    EXPECT_TRUE(fs::is_empty(root.File("elsewhere")));
}

TEST(ZipExtract, DestinationForms) {
    CTempDir root;
    CZipReader reader;
    reader.Open(Fixture("python_mixed.zip"), CZipReader::zipOpen, 0);
    // Missing folders are created; trailing separators do not matter.
    EXPECT_TRUE(reader.ExtractEntry(7, root.File("a/b") + "//", true, 65535));
    EXPECT_TRUE(fs::is_regular_file(root.File("a/b/folder/nested/Skin.ini")));
    // Without keep path only the last part of the name is used.
    EXPECT_TRUE(reader.ExtractEntry(7, root.File("flat"), false, 65535));
    EXPECT_TRUE(fs::is_regular_file(root.File("flat/Skin.ini")));
    EXPECT_TRUE(reader.ExtractEntry(6, root.File("flat"), false, 65535));  // a folder entry: the folder
    // No folder, or no buffer: nothing is done.
    EXPECT_FALSE(reader.ExtractEntry(0, "", true, 65535));
    EXPECT_FALSE(reader.ExtractEntry(0, root.File("none"), true, 0));
    EXPECT_FALSE(reader.ExtractEntry(8, root.File("none"), true, 65535));  // past the last entry
    EXPECT_FALSE(fs::exists(root.File("none")));
}

TEST(ZipExtract, TimesAndAttributesFollowTheEntry) {
    CTempDir out;
    CZipReader reader;
    ASSERT_EQ(ExtractAll(reader, Fixture("modes.zip"), out.Path()), Outcomes(6, "ok"));
    const struct {
        const char* name;
        mode_t mode;
    } cases[] = {
        {"locked", 0700},             // 0500 in the archive: the owner keeps write and search rights
        {"locked/inside.txt", 0640},  // Unix permissions
        {"tool.sh", 0755},            // 04755: no set-id bit
        {"unix_readonly.txt", 0444},  // 0644 and the read-only bit
        {"dos_readonly.txt", 0444},   // made on DOS: the default, without write rights
    };
    struct stat status {};
    ASSERT_EQ(::stat(out.File("dos_plain.txt").c_str(), &status), 0);
    const mode_t defaultMode = status.st_mode & 0777;
    EXPECT_EQ(cases[4].mode, defaultMode & ~0222);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(::stat(out.File(c.name).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.mode);
    }
    // 2021-05-06 07:08:10, local time.
    std::tm written{};
    written.tm_year = 121;
    written.tm_mon = 4;
    written.tm_mday = 6;
    written.tm_hour = 7;
    written.tm_min = 8;
    written.tm_sec = 10;
    written.tm_isdst = -1;
    ASSERT_EQ(::stat(out.File("tool.sh").c_str(), &status), 0);
    EXPECT_EQ(status.st_mtime, std::mktime(&written));
    fs::remove_all(out.Path());  // the folder can be deleted with all it holds
    EXPECT_FALSE(fs::exists(out.Path()));
}

TEST(ZipEntryReading, ReadEntryStopsAtTheDeclaredSize) {
    CZipReader reader;
    reader.Open(Fixture("python_mixed.zip"), CZipReader::zipOpen, 0);
    std::vector<char> buffer(70000);
    // 65535 bytes come in one block, then nothing.
    ASSERT_TRUE(reader.OpenEntry(4));
    EXPECT_FALSE(reader.OpenEntry(1));  // one entry at a time
    EXPECT_EQ(reader.ReadEntry(buffer.data(), 65535), 65535u);
    EXPECT_EQ(reader.ReadEntry(buffer.data(), 65535), 0u);
    EXPECT_EQ(reader.CloseEntry(std::string()), 1);
    EXPECT_EQ(reader.CloseEntry(std::string()), 0);  // none open
    // Closing before the end reports the data as ended early; abandoning checks nothing.
    ASSERT_TRUE(reader.OpenEntry(1));
    EXPECT_EQ(reader.ReadEntry(buffer.data(), 100), 100u);
    EXPECT_EQ(reader.CloseEntry(std::string()), -1);
    ASSERT_TRUE(reader.OpenEntry(1));
    EXPECT_EQ(reader.CloseEntry(std::string(), true), 1);
    EXPECT_EQ(reader.ReadEntry(buffer.data(), 100), 0u);
}

TEST(ZipEntryReading, CloseWithoutAbandonChecksTheOpenEntry) {
    CZipReader reader;
    reader.Open(Fixture("crc_mismatch.zip"), CZipReader::zipOpen, 0);
    ASSERT_TRUE(reader.OpenEntry(0));
    std::vector<char> buffer(100);
    EXPECT_EQ(reader.ReadEntry(buffer.data(), 100), 12u);
    EXPECT_THROW(reader.Close(false), CZipException);
    EXPECT_EQ(reader.GetCount(), 2);  // still open
    reader.Close(true);
    EXPECT_EQ(reader.GetCount(), 0);
}

TEST(ZipFolders, CreateFolderPathAndPathKind) {
    CTempDir root;
    const std::string deep = root.File("x/y/z");
    EXPECT_EQ(CZipReader::GetPathKind(deep), 0);
    EXPECT_TRUE(CZipReader::CreateFolderPath(deep + "//"));
    EXPECT_EQ(CZipReader::GetPathKind(deep), -1);
    EXPECT_TRUE(CZipReader::CreateFolderPath(deep));  // exists already
    const std::string file = root.Write("x/file", "f");
    EXPECT_EQ(CZipReader::GetPathKind(file), 1);
    EXPECT_FALSE(CZipReader::CreateFolderPath(file));
    EXPECT_FALSE(CZipReader::CreateFolderPath(file + "/below"));
    EXPECT_EQ(CZipReader::GetPathKind("/"), -1);
    EXPECT_TRUE(CZipReader::CreateFolderPath("/"));
}

}  // namespace
