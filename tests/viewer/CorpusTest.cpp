// The engine over every file python3-pydicom ships in its data folder: each opens or fails
// with a reason; page counts, sizes and stored values agree with pydicom; rendering agrees with
// DCMTK's dcmj2pnm; person names decode as pydicom decodes them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "common/TempDir.h"
#include "viewer/ImageDocument.h"
#include "viewer/Renderer.h"

namespace {

constexpr char kPython[] = "/usr/bin/python3";

// pydicom's view of the corpus, made once per run by the reference script.
class CReference {
public:
    static const CReference& Get() {
        static const CReference reference;
        return reference;
    }

    const QJsonArray& Files() const { return m_files; }
    const std::string& Problem() const { return m_problem; }

    std::vector<std::int64_t> Values(const QJsonObject& file) const {
        QFile data(QString::fromStdString(m_folder.File(file["values"].toString().toStdString())));
        if (!data.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = data.readAll();
        std::vector<std::int64_t> values(static_cast<std::size_t>(bytes.size()) / sizeof(std::int64_t));
        std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(std::int64_t));
        return values;
    }

private:
    CReference() {
        QProcess script;
        script.start(kPython, {REFERENCE_SCRIPT, QString::fromStdString(m_folder.Path())});
        if (!script.waitForFinished(120000) || script.exitCode() != 0) {
            m_problem = "the reference script failed: " + script.readAllStandardError().toStdString();
            return;
        }
        QFile manifest(QString::fromStdString(m_folder.File("manifest.json")));
        manifest.open(QIODevice::ReadOnly);
        m_files = QJsonDocument::fromJson(manifest.readAll()).object()["files"].toArray();
        if (m_files.isEmpty()) {
            m_problem = "pydicom's data folder holds no files";
        }
    }

    CTempDir m_folder;
    QJsonArray m_files;
    std::string m_problem;
};

// Stops a test whose reference could not be made; the files otherwise.
class CorpusTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Reference().Problem().empty()) << Reference().Problem(); }
    static const CReference& Reference() { return CReference::Get(); }
    static const QJsonArray& Files() { return CReference::Get().Files(); }
};

std::string NameOf(const QJsonObject& file) {
    const std::string path = file["path"].toString().toStdString();
    const std::size_t data = path.find("/data/");
    return data == std::string::npos ? path : path.substr(data + 6);
}

// Index of the first stored value that differs by more than `tolerance`, or -1.
long FirstDifference(const CFrame& frame, const std::int64_t* expected, std::int64_t tolerance) {
    return std::visit(
        [&](const auto& values) -> long {
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (std::llabs(static_cast<std::int64_t>(values[i]) - expected[i]) > tolerance) {
                    return static_cast<long>(i);
                }
            }
            return -1;
        },
        frame.samples);
}

TEST_F(CorpusTest, EveryFileOpensOrFailsWithAReason) {
    int opened = 0;
    for (const QJsonValue& value : Files()) {
        const QJsonObject file = value.toObject();
        std::string error;
        const auto document = OpenImageDocument(file["path"].toString().toStdString(), error);
        if (!document) {
            EXPECT_FALSE(error.empty()) << NameOf(file);
            continue;
        }
        ++opened;
        EXPECT_FALSE(document->Metadata().empty()) << NameOf(file);
        for (int page = 0; page < document->PageCount(); ++page) {
            CFrame frame;
            if (!document->DecodePage(page, frame, error)) {
                EXPECT_FALSE(error.empty()) << NameOf(file) << " page " << page + 1;
            }
        }
    }
    std::printf("[ corpus ] %d of %d files open\n", opened, static_cast<int>(Files().size()));
}

// A stream pydicom's decoder accepts although the file's own notes call it damaged: the test
// data replaces four bytes of its code stream. Refusing it is the sound answer.
const char* const kDamagedStreams[] = {"test_files/JPEG2000-embedded-sequence-delimiter.dcm"};

bool IsDamagedStream(const std::string& name) {
    return std::find(std::begin(kDamagedStreams), std::end(kDamagedStreams), name) !=
           std::end(kDamagedStreams);
}

TEST_F(CorpusTest, PagesSizesAndStoredValuesAgreeWithPydicom) {
    int decoded = 0;
    int agreeing = 0;
    for (const QJsonValue& value : Files()) {
        const QJsonObject file = value.toObject();
        if (file["status"].toString() != "pixels") {
            continue;
        }
        ++decoded;
        const std::string name = NameOf(file);
        std::string error;
        const auto document = OpenImageDocument(file["path"].toString().toStdString(), error);
        if (IsDamagedStream(name)) {
            CFrame frame;
            EXPECT_TRUE(!document || !document->DecodePage(0, frame, error)) << name;
            continue;
        }
        ASSERT_TRUE(document) << name << ": " << error;
        const int frames = file["frames"].toInt();
        const int rows = file["rows"].toInt();
        const int columns = file["columns"].toInt();
        const int samples = file["samples"].toInt();
        EXPECT_EQ(document->PageCount(), frames) << name;
        EXPECT_EQ(document->PageSize(0), QSize(columns, rows)) << name;
        const std::vector<std::int64_t> expected = Reference().Values(file);
        const std::size_t perFrame = static_cast<std::size_t>(rows) * columns * samples;
        ASSERT_EQ(expected.size(), perFrame * frames) << name;
        bool same = document->PageCount() == frames;
        for (int page = 0; same && page < frames; ++page) {
            CFrame frame;
            ASSERT_TRUE(document->DecodePage(page, frame, error)) << name << ": " << error;
            ASSERT_EQ(frame.SampleCount(), perFrame) << name;
            const long at = FirstDifference(frame, expected.data() + perFrame * page, 0);
            EXPECT_EQ(at, -1) << name << " page " << page + 1 << " differs at sample " << at;
            same = at == -1;
        }
        agreeing += same ? 1 : 0;
    }
    std::printf("[ corpus ] %d of %d files pydicom decodes agree in pages, size and stored values\n",
                agreeing, decoded);
}

// Runs dcmj2pnm on the first frame of `path` with `options`; the picture, null when it fails.
QImage Dcmj2pnm(const std::string& path, const QStringList& options, const CTempDir& folder) {
    const QString out = QString::fromStdString(folder.File("dcmtk.pnm"));
    QFile::remove(out);
    QProcess process;
    process.start("dcmj2pnm", QStringList(options) << "--quiet"
                                                   << "+F"
                                                   << "1" << QString::fromStdString(path) << out);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QImage(out);
}

// Largest difference of any channel between two pictures of the same size, or -1.
int LargestDifference(const QImage& ours, const QImage& theirs) {
    if (ours.size() != theirs.size()) {
        return -1;
    }
    const bool grey = ours.format() == QImage::Format_Grayscale8;
    const QImage a = ours.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    const QImage b = theirs.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (grey) {
                largest = std::max(largest, std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]));
            } else {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            }
        }
    }
    return largest;
}

// Changes to the JPEG 2000 code stream of JPEG2000.dcm (its SIZ marker) on which the decoder
// library aborts, and on which it crashes, when it runs inside the program.
struct CDamage {
    std::vector<std::pair<int, char>> bytes;
};

TEST_F(CorpusTest, CodeStreamsThatBreakTheDecoderFailTheirPageOnly) {
    std::string original;
    for (const QJsonValue& value : Files()) {
        if (NameOf(value.toObject()) == "test_files/JPEG2000.dcm") {
            original = value.toObject()["path"].toString().toStdString();
        }
    }
    ASSERT_FALSE(original.empty());
    QFile file(QString::fromStdString(original));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    CTempDir folder;
    const CDamage damages[] = {{{{3065, '\xED'}}}, {{{3064, '\x4C'}, {3069, '\x64'}}}};
    for (const CDamage& damage : damages) {
        QByteArray bytes = whole;
        for (const auto& [offset, value] : damage.bytes) {
            bytes[offset] = value;
        }
        const std::string path = folder.Write("damaged.dcm", bytes.toStdString());
        std::string error;
        const auto document = OpenImageDocument(path, error);
        ASSERT_TRUE(document) << error;
        CFrame frame;
        EXPECT_FALSE(document->DecodePage(0, frame, error));
        EXPECT_NE(error.find("decoder failed"), std::string::npos) << error;
    }
    // The next frame is decoded as before.
    std::string error;
    const auto document = OpenImageDocument(original, error);
    CFrame frame;
    EXPECT_TRUE(document && document->DecodePage(0, frame, error)) << error;
}

// Values of the entries that show a Patient's Name, nested ones included, in order.
std::vector<std::string> PatientNames(const CMetadata& metadata) {
    static const std::string kName = "(0010,0010) PatientName";
    std::vector<std::string> names;
    for (const CMetadataSection& section : metadata) {
        for (const CMetadataEntry& entry : section.entries) {
            const std::size_t size = entry.name.size();
            if (size >= kName.size() && entry.name.compare(size - kName.size(), kName.size(), kName) == 0) {
                names.push_back(entry.value);
            }
        }
    }
    return names;
}

TEST_F(CorpusTest, PatientNamesDecodeAsPydicomDecodesThem) {
    int compared = 0;
    for (const QJsonValue& value : Files()) {
        const QJsonObject file = value.toObject();
        const QJsonArray expected = file["patientNames"].toArray();
        if (file["forced"].toBool() || expected.isEmpty()) {
            continue;
        }
        std::string error;
        const auto document = OpenImageDocument(file["path"].toString().toStdString(), error);
        ASSERT_TRUE(document) << NameOf(file) << ": " << error;
        std::vector<std::string> wanted;
        for (const QJsonValue& name : expected) {
            wanted.push_back(name.toString().toStdString());
        }
        EXPECT_EQ(PatientNames(document->Metadata()), wanted) << NameOf(file);
        ++compared;
    }
    std::printf("[ corpus ] patient names of %d files compared\n", compared);
}

// Files dcmj2pnm reads wrongly: 32-bit big-endian values written as OW come out with their
// 16-bit halves swapped (their little-endian twins rtdose.dcm and rtdose_1frame.dcm, which hold
// the same values, agree with it; pydicom agrees with us on both).
const char* const kDcmtkMisreads[] = {"test_files/rtdose_expb.dcm", "test_files/rtdose_expb_1frame.dcm"};

bool DcmtkMisreads(const std::string& name) {
    return std::find(std::begin(kDcmtkMisreads), std::end(kDcmtkMisreads), name) != std::end(kDcmtkMisreads);
}

TEST_F(CorpusTest, RenderingAgreesWithDcmj2pnmWithinOneGreyLevel) {
    CTempDir folder;
    int compared = 0;
    int agreeing = 0;
    for (const QJsonValue& value : Files()) {
        const QJsonObject file = value.toObject();
        const std::string path = file["path"].toString().toStdString();
        const std::string name = NameOf(file);
        std::string error;
        const auto document = OpenImageDocument(path, error);
        CFrame frame;
        if (DcmtkMisreads(name) || !document || document->PageCount() == 0 ||
            !document->DecodePage(0, frame, error)) {
            continue;
        }
        const CDisplayParameters parameters = document->DisplayParameters(0);
        // The page's range against dcmj2pnm's min-max window; the file's first window against
        // its first window. Colour pages have no window.
        std::vector<std::pair<CVoiChoice, QStringList>> cases;
        if (frame.IsGrey()) {
            cases.push_back({{CVoiChoice::EMode::MinMax}, {"+Wm"}});
            if (!parameters.windows.empty()) {
                cases.push_back({{CVoiChoice::EMode::File}, {"+Wi", "1"}});
            }
        } else {
            cases.push_back({{CVoiChoice::EMode::File}, {}});
        }
        bool decodedByBoth = true;
        bool same = true;
        for (const auto& [choice, options] : cases) {
            const QImage theirs = Dcmj2pnm(path, options, folder);
            if (theirs.isNull()) {
                decodedByBoth = false;
                break;
            }
            const int difference = LargestDifference(RenderFrame(frame, parameters, choice).image, theirs);
            EXPECT_TRUE(difference >= 0 && difference <= 1)
                << name << " " << options.join(' ').toStdString() << ": largest difference " << difference;
            same = same && difference >= 0 && difference <= 1;
        }
        if (decodedByBoth) {
            ++compared;
            agreeing += same ? 1 : 0;
        }
    }
    std::printf("[ corpus ] %d of %d files both decode render within one grey level of dcmj2pnm\n", agreeing,
                compared);
}

}  // namespace
