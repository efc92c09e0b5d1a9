// vitrine-export as scripts see it: its output, files, exit statuses and messages.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "ExportCommand.h"
#include "common/IndependentDecoder.h"
#include "common/TempDir.h"
#include "dicomgen/DicomWriter.h"

namespace {

struct CRun {
    int status = -1;
    std::string out;
    std::string err;
};

CRun Export(const QStringList& arguments) {
    QProcess process;
    process.start(EXPORT_TOOL, arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

class ExportCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        CDicomWriter writer;
        writer.Image(2, 3, 1, 16, 16, false, "MONOCHROME2", 2);
        writer.Text(0x0028, 0x1050, "DS", "100").Text(0x0028, 0x1051, "DS", "200");
        writer.Text(0x4000, 0x4000, "LT", "tab\there\nnew\\line");
        std::vector<std::uint8_t> pixels;
        for (const int value : {0, 50, 100, 150, 200, 250, 10, 20, 30, 40, 50, 60}) {
            pixels.push_back(static_cast<std::uint8_t>(value));
            pixels.push_back(0);
        }
        writer.Bytes(0x7FE0, 0x0010, "OW", pixels);
        m_file = QString::fromStdString(m_folder.File("two.dcm"));
        writer.Save(m_file.toStdString());
    }

    QString Out(const char* name) const { return QString::fromStdString(m_folder.File(name)); }

    static std::vector<int> Row(const QImage& image, int y) {
        std::vector<int> row;
        for (int x = 0; x < image.width(); ++x) {
            row.push_back(qGray(image.pixel(x, y)));
        }
        return row;
    }

    CTempDir m_folder;
    QString m_file;
};

TEST_F(ExportCliTest, InfoWritesOneEscapedTabSeparatedLinePerEntry) {
    const CRun run = Export({"info", m_file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("0\tFile\t0\tFile Name\ttwo.dcm\n", 0), 0u);
    EXPECT_NE(run.out.find("\tText\t0\t(4000,4000) TextComments\ttab\\there\\nnew\\\\line\n"),
              std::string::npos);
    std::size_t lines = 0;
    for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string line = run.out.substr(start, end - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        ++lines;
    }
    EXPECT_GT(lines, 10u);
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST_F(ExportCliTest, PagesWritesThePageCount) {
    const CRun run = Export({"pages", m_file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2\n");
}

TEST_F(ExportCliTest, SaveWritesTheChosenPageWithTheChosenWindow) {
    struct CCase {
        QStringList options;
        std::vector<int> firstRow;
    };
    const CCase cases[] = {
        {{}, {0, 64, 128}},                   // page 1, the file's window 100 / 200
        {{"--voi", "minmax"}, {0, 51, 102}},  // page 1 spans 0 to 250
        {{"--voi", "50,100"}, {0, 129, 255}},
        {{"--page", "2", "--voi", "file"}, {13, 26, 38}},
        {{"--page", "2", "--voi", "minmax"}, {0, 51, 102}},  // 10 to 60
    };
    for (const CCase& c : cases) {
        const CRun run = Export(QStringList{"save", m_file, Out("page.png")} + c.options);
        ASSERT_EQ(run.status, 0) << c.options.join(' ').toStdString() << ": " << run.err;
        const QImage image(Out("page.png"));
        ASSERT_EQ(image.size(), QSize(3, 2));
        EXPECT_EQ(Row(image, 0), c.firstRow) << c.options.join(' ').toStdString();
    }
    const CRun jpeg =
        Export({"save", m_file, Out("page.jpg"), "--a", "100", "--option", "ignored", "--b", "0"});
    EXPECT_EQ(jpeg.status, 0) << jpeg.err;
    EXPECT_FALSE(QImage(Out("page.jpg")).isNull());
}

TEST_F(ExportCliTest, SaveWritesEveryFormatOfTheSaveFilter) {
    std::vector<std::string> names;
    for (const char* extension : {"pdf", "psd", "j2k", "j2c", "jpg", "pcx", "wmf", "wbmp", "bmp", "tif",
                                  "tga", "gif", "pgx", "ras", "pnm", "png", "ico"}) {
        const std::string name = std::string("page.") + extension;
        const CRun run = Export({"save", m_file, Out(name.c_str()), "--voi", "minmax"});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_TRUE(run.out.empty() && run.err.empty()) << name << ": " << run.out << run.err;
        names.push_back(name);
    }
    // Read back by other programs: the 3 x 2 page, its first row 0, 50 and 100 of 0 to 250.
    const std::map<std::string, CDecodedFile> decoded = DecodeIndependently(m_folder, names);
    for (const std::string& name : names) {
        const CDecodedFile& file = decoded.at(name);
        ASSERT_EQ(file.frames.size(), 1u) << name << ": " << file.error;
        EXPECT_EQ(file.frames[0].Size(), QSize(3, 2)) << name;
        if (name != "page.jpg" && name != "page.wbmp") {
            const std::vector<std::uint8_t>& pixels = file.frames[0].pixels;
            const int step = file.frames[0].channels;
            EXPECT_EQ(std::vector<int>({pixels[0], pixels[static_cast<std::size_t>(step)],
                                        pixels[static_cast<std::size_t>(2 * step)]}),
                      std::vector<int>({0, 51, 102}))
                << name;
        }
    }
}

TEST_F(ExportCliTest, FailuresExitWithTheirStatusAndOneLineNamingTheFile) {
    struct CCase {
        QStringList arguments;
        int status;
        std::string mentions;
    };
    const QString missing = Out("missing.dcm");
    const CCase cases[] = {
        {{"save", m_file, Out("page.png"), "--page", "3"}, 1, "no page 3"},
        {{"save", m_file, Out("page.unknown")}, 1, "page.unknown"},
        {{"save", missing, Out("page.png")}, 2, "does not exist"},
        {{"info", missing}, 2, "does not exist"},
        {{"pages"}, 2, "usage"},
        {{"convert", m_file}, 2, "unknown command"},
        {{"save", m_file, Out("page.png"), "--voi", "wide"}, 2, "--voi wide"},
        {{"save", m_file, Out("page.png"), "--page"}, 2, "--page"},
    };
    for (const CCase& c : cases) {
        const CRun run = Export(c.arguments);
        const std::string arguments = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, c.status) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << ": " << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << arguments << ": " << run.err;
        if (c.status == 1 || c.arguments.contains(missing)) {
            const QString named = c.arguments.contains(missing) ? missing : m_file;
            EXPECT_EQ(run.err.rfind(named.toStdString(), 0), 0u) << run.err;
        }
    }
    EXPECT_FALSE(QFile::exists(Out("page.unknown")));
}

TEST(ExportCommand, EscapeFieldKeepsEachEntryOnOneLine) {
    EXPECT_EQ(EscapeField("a\tb\nc\\d"), "a\\tb\\nc\\\\d");
    EXPECT_EQ(EscapeField("plain"), "plain");
}

}  // namespace
