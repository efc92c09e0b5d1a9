#include <gtest/gtest.h>

#include <QFontInfo>

#include "RecordingHost.h"
#include "controls/Label.h"
#include "platform/ScreenInfo.h"

namespace {

// A screen of a fixed vertical resolution; everything else as Qt reports it.
class CFixedDpi : public CQtScreenInfo {
public:
    explicit CFixedDpi(int dpi) : m_dpi(dpi) {}
    int LogicalDpiY() const override { return m_dpi; }

private:
    int m_dpi;
};

// Installs a screen for the scope.
class CScreenScope {
public:
    explicit CScreenScope(const CScreenInfo& info) { CScreenInfo::Install(&info); }
    ~CScreenScope() { CScreenInfo::Install(nullptr); }
};

TEST(Label, FontSizeInPointsBecomesACharacterHeightInPixels) {
    struct SCase {
        int points;
        int dpi;
        int height;
    };
    const SCase cases[] = {{10, 96, -13}, {8, 96, -10}, {10, 120, -16}, {12, 72, -12}, {0, 96, 0}};
    for (const SCase& c : cases) {
        const CFixedDpi screen(c.dpi);
        const CScreenScope scope(screen);
        CLabel label;
        label.SetFontName("DejaVu Sans");
        label.SetFontSize(c.points);
        EXPECT_EQ(label.FontHeight(), c.height) << c.points << " pt at " << c.dpi;
        if (c.height != 0) {
            EXPECT_EQ(QFontInfo(label.font()).pixelSize(), -c.height);
        }
        EXPECT_EQ(label.font().family(), "DejaVu Sans");
    }
}

constexpr QRgb kInk = qRgb(255, 255, 0);

// A label at (30, 20) on a recording host, in a large face so that strokes are solid.
struct SLabelOnHost {
    CRecordingHost host;
    CLabel* label = new CLabel(&host);

    explicit SLabelOnHost(const std::string& text, QSize size = QSize(120, 80)) {
        label->setGeometry(QRect(QPoint(30, 20), size));
        label->SetFontName("DejaVu Sans");
        label->SetFontSize(20);
        label->SetTextColor(0x0000FFFF);  // yellow, red in the low byte
        label->SetText(text);
    }

    QImage Pixels() { return Shot(host).copy(label->geometry()); }
};

// Rows and columns of `image` that hold a pixel of the ink colour.
struct SInk {
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;
    std::vector<bool> rows;
};

SInk FindInk(const QImage& image) {
    SInk ink;
    ink.rows.assign(static_cast<size_t>(image.height()), false);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kInk) {
                continue;
            }
            ink.rows[static_cast<size_t>(y)] = true;
            ink.top = ink.top < 0 ? y : ink.top;
            ink.bottom = y;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    }
    return ink;
}

TEST(Label, DrawsItsTextOverTheSkinBackgroundUnderIt) {
    SLabelOnHost on("H");
    const QImage pixels = on.Pixels();
    const SInk ink = FindInk(pixels);
    ASSERT_GE(ink.top, 0) << "no pixel in the text colour";
    EXPECT_LT(ink.left, 5);  // top-left aligned
    EXPECT_LT(ink.top, 10);
    EXPECT_EQ(pixels.pixel(100, 70), CanvasPixel(30 + 100, 20 + 70));
}

TEST(Label, ANewTextReplacesTheOldOneCompletely) {
    SLabelOnHost changed("Old text");
    changed.Pixels();
    changed.label->SetText("New");
    changed.label->update();
    SLabelOnHost fresh("New");
    EXPECT_EQ(changed.Pixels(), fresh.Pixels());
}

TEST(Label, AmpersandsUnderlineTheNextCharacter) {
    const QImage plain = SLabelOnHost("AB").Pixels();
    const QImage marked = SLabelOnHost("A&B").Pixels();
    const SInk plainInk = FindInk(plain);
    const SInk markedInk = FindInk(marked);
    // The same letters, and a line beneath the B.
    EXPECT_EQ(markedInk.top, plainInk.top);
    EXPECT_GT(markedInk.bottom, plainInk.bottom);
    const QImage letters = marked.copy(0, 0, marked.width(), plainInk.bottom + 1);
    EXPECT_EQ(letters, plain.copy(0, 0, plain.width(), plainInk.bottom + 1));

    const SInk doubled = FindInk(SLabelOnHost("A&&B").Pixels());
    EXPECT_GT(doubled.right, plainInk.right + 5);  // an ampersand stands between the letters
    EXPECT_EQ(doubled.bottom, plainInk.bottom);    // and nothing is underlined
}

TEST(Label, LineBreaksStartNewLinesAndLongLinesAreCutNotWrapped) {
    const SInk one = FindInk(SLabelOnHost("H").Pixels());
    for (const char* text : {"H\nH", "H\r\nH", "H\rH"}) {
        const SInk two = FindInk(SLabelOnHost(text).Pixels());
        EXPECT_GT(two.bottom, one.bottom + 10) << text;
        EXPECT_EQ(two.left, one.left) << text;
        EXPECT_FALSE(two.rows[static_cast<size_t>(one.bottom + 2)]) << text;  // a gap between lines
    }
    SLabelOnHost narrow("HHHHHHHHHHHHHHHH", QSize(50, 80));
    const SInk cut = FindInk(narrow.Pixels());
    EXPECT_EQ(cut.bottom, one.bottom);
    EXPECT_EQ(cut.right, 49);
}

TEST(Label, LetsTheMouseThroughToTheWindow) {
    CLabel label;
    EXPECT_TRUE(label.testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
