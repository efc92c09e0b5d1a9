#include "SkinLayout.h"

#include <QFontMetrics>

#include "SkinPalette.h"

// The layouts place controls with a few shared groups (title bar, page buttons, zoom, file,
// save, cine, lists); each layout arranges the groups its own way.

QFont LabelFont(const CSkinPalette& palette) {
    QFont font(palette.face);
    font.setPixelSize(palette.labelPoints * 96 / 72);
    return font;
}

QFont CaptionFont(const CSkinPalette& palette) {
    QFont font(palette.captionFace);
    font.setPixelSize(palette.captionPoints * 96 / 72);
    return font;
}

QFont ButtonFont(const CSkinPalette& palette, int pixels) {
    QFont font(palette.face);
    font.setPixelSize(pixels);
    font.setBold(palette.buttonBold);
    return font;
}

namespace {

constexpr int kEditHeight = 24;
constexpr int kButtonHeight = 28;
const char kEllipsis[] = "\u2026";

// Collects the layout as groups add to it; measures label texts in the palette's font.
class CBuilder {
public:
    CBuilder(const CSkinPalette& palette, QSize size)
        : m_palette(palette),
          m_metrics(LabelFont(palette)),
          m_buttonMetrics(ButtonFont(palette, palette.buttonPixels)) {
        m_layout.size = size;
    }

    CSkinLayout& Layout() { return m_layout; }
    const CSkinPalette& Palette() const { return m_palette; }

    int LabelHeight() const { return m_metrics.height(); }
    int TextWidth(const QString& text) const { return m_metrics.horizontalAdvance(text) + 2; }
    // The width a button needs for its glyph and words, with room on both sides.
    int ButtonWidth(const QString& text, bool glyph) const {
        return m_buttonMetrics.horizontalAdvance(text) + (glyph ? 44 : 24);
    }

    // A label whose left edge is `x` and whose text is centred on the line `middle`.
    QRect Label(const QString& name, int x, int middle, const QString& text, bool heading = false) {
        const QRect rect(x, middle - LabelHeight() / 2, TextWidth(text), LabelHeight());
        m_layout.labels.push_back({name, rect, text, heading});
        return rect;
    }
    // A heading above a group: its top edge at `top`.
    QRect Heading(const QString& name, int x, int top, const QString& text) {
        return Label(name, x, top + LabelHeight() / 2, text, true);
    }
    void Button(const CButtonSpec& spec) { m_layout.buttons.push_back(spec); }
    void Edit(EEditRole role, const QString& name, const QRect& rect, bool enabled = true) {
        m_layout.edits[static_cast<size_t>(role)] = {name, rect, enabled};
    }
    void List(EListRole role, const QString& name, const QRect& rect) {
        m_layout.lists[static_cast<size_t>(role)] = {name, rect};
    }
    void Panel(const QRect& rect) { m_layout.panels.push_back(rect); }

private:
    const CSkinPalette& m_palette;
    CSkinLayout m_layout;
    QFontMetrics m_metrics;
    QFontMetrics m_buttonMetrics;
};

// Places controls left to right along one line, each centred on it.
class CRow {
public:
    CRow(CBuilder& builder, int x, int middle) : m_builder(builder), m_x(x), m_middle(middle) {}

    int X() const { return m_x; }
    CRow& Gap(int pixels) {
        m_x += pixels;
        return *this;
    }
    CRow& Label(const QString& name, const QString& text) {
        m_x = m_builder.Label(name, m_x, m_middle, text).right() + 1 + 6;
        return *this;
    }
    CRow& Edit(EEditRole role, const QString& name, int width, bool enabled = true) {
        m_builder.Edit(role, name, Box(width, kEditHeight), enabled);
        return Advance(width);
    }
    CRow& Button(CButtonSpec spec, int width, int height = kButtonHeight) {
        spec.rect = Box(width, height);
        m_builder.Button(spec);
        return Advance(width);
    }
    QRect Box(int width, int height) const { return QRect(m_x, m_middle - height / 2, width, height); }

private:
    CRow& Advance(int width) {
        m_x += width + 8;
        return *this;
    }

    CBuilder& m_builder;
    int m_x;
    int m_middle;
};

// Icon, caption, minimise and close along the top; the caption is centred on `middle`, and
// under a crowned outline on the window's middle too.
void TitleBar(CBuilder& b, int left, int right, int middle, int size = 28) {
    CSkinLayout& layout = b.Layout();
    const QString caption = "Vitrine  \u00b7  DICOM viewer";
    const int captionWidth = QFontMetrics(CaptionFont(b.Palette())).horizontalAdvance(caption) + 4;
    const int captionHeight = QFontMetrics(CaptionFont(b.Palette())).height() + 4;
    if (b.Palette().outline == EOutline::Crowned) {
        left = (layout.size.width() - captionWidth - 42) / 2;
    }
    layout.icon = QRect(left, middle - 16, 32, 32);
    layout.caption = {"", QRect(left + 42, middle - captionHeight / 2, captionWidth, captionHeight), caption};
    b.Button({"BUTTON_MINIMIZE", QRect(right - 2 * size - 8, middle - size / 2, size, size), EGlyph::Minimise,
              "", "Minimise", EFace::Title});
    b.Button({"BUTTON_EXIT", QRect(right - size, middle - size / 2, size, size), EGlyph::Close, "",
              "Close Vitrine", EFace::Title});
}

// First, previous, next and last page: square buttons of `size` from `x` on.
int PageButtons(CBuilder& b, int x, int middle, int size) {
    CRow row(b, x, middle);
    row.Button({"BUTTON_START_1", {}, EGlyph::First, "", "First page"}, size, size);
    row.Button({"BUTTON_PREVIOUS", {}, EGlyph::Previous, "", "Previous page"}, size, size);
    row.Button({"BUTTON_NEXT", {}, EGlyph::Next, "", "Next page"}, size, size);
    row.Button({"BUTTON_END", {}, EGlyph::Last, "", "Last page"}, size, size);
    return row.X();
}

void PageBoxes(CRow& row) {
    row.Label("LABEL_PAGE", "Page").Edit(EEditRole::Page, "EDIT_PAGE", 40, false);
    row.Label("LABEL_OF", "of").Edit(EEditRole::PageCount, "EDIT_PAGECOUNT", 40, false);
}

void GoToPage(CBuilder& b, CRow& row) {
    row.Label("LABEL_GOTO", "Go to page").Edit(EEditRole::GoToPage, "EDIT_GOTO", 40);
    row.Button({"BUTTON_BROWSE2", {}, EGlyph::GoTo, "Go", "Show the page typed beside"},
               b.ButtonWidth("Go", true));
}

void Cine(CBuilder& b, CRow& row) {
    row.Label("LABEL_CINE", "ms per frame").Edit(EEditRole::CineInterval, "EDIT_CINE", 52);
    row.Button({"BUTTON_START",
                {},
                EGlyph::Cine,
                "Play cine",
                "Play the pages as a cine at the interval typed beside (ms per frame)"},
               b.ButtonWidth("Play cine", true));
}

// Where zoom out and zoom in go: after the seven zooms, on a row of their own, or on a row of
// their own with words beside their glyphs.
enum class ESteps { AfterPercents, OwnRow, OwnRowWithWords };

// The seven fixed zooms in `columns` columns of buttons `size` big from `origin`, then zoom
// out and in.
void Zoom(CBuilder& b, QPoint origin, int columns, QSize size, int gap, ESteps steps) {
    const char* percents[] = {"25", "33", "50", "75", "100", "150", "200"};
    int i = 0;
    for (const char* percent : percents) {
        const QRect rect(origin.x() + (i % columns) * (size.width() + gap),
                         origin.y() + (i / columns) * (size.height() + gap), size.width(), size.height());
        b.Button({QString("BUTTON_ZOOM") + percent, rect, EGlyph::None, QString(percent) + "%",
                  QString("Show the image at ") + percent + " %"});
        ++i;
    }
    const int outIndex = steps == ESteps::AfterPercents ? i : ((i + columns - 1) / columns) * columns;
    const QSize step(size.width() + gap, size.height() + gap);
    QRect out(origin + QPoint((outIndex % columns) * step.width(), (outIndex / columns) * step.height()),
              size);
    QRect in(origin + QPoint(((outIndex + 1) % columns) * step.width(),
                             ((outIndex + 1) / columns) * step.height()),
             size);
    QString outText;
    QString inText;
    if (steps == ESteps::OwnRowWithWords) {
        outText = "Zoom out";
        inText = "Zoom in";
        out.setWidth(b.ButtonWidth(outText, true));
        in = QRect(out.right() + 1 + gap + 4, out.top(), b.ButtonWidth(inText, true), size.height());
    }
    b.Button({"BUTTON_OUT", out, EGlyph::ZoomOut, outText, "Zoom out one step"});
    b.Button({"BUTTON_IN", in, EGlyph::ZoomIn, inText, "Zoom in one step"});
}

// "DICOM file" over the path, and the two open commands under it, side by side where they fit,
// else one over the other, in `width` from (x, top).
int FileGroup(CBuilder& b, int x, int top, int width) {
    b.Heading("LABEL_FILE", x, top, "DICOM file");
    const int fieldTop = top + b.LabelHeight() + 4;
    b.Edit(EEditRole::Path, "EDIT_PATH", QRect(x, fieldTop, width, kEditHeight), false);
    const QString openDicom = QString("Open DICOM") + kEllipsis;
    const QString openTif = QString("Open TIF") + kEllipsis;
    const int half = (width - 8) / 2;
    const bool sideBySide = b.ButtonWidth(openDicom, true) <= half;
    const int buttonTop = fieldTop + kEditHeight + 8;
    const QRect first =
        sideBySide ? QRect(x, buttonTop, half, kButtonHeight) : QRect(x, buttonTop, width, kButtonHeight);
    const QRect second = sideBySide ? QRect(x + width - half, buttonTop, half, kButtonHeight)
                                    : first.translated(0, kButtonHeight + 6);
    b.Button({"BUTTON_BROWSE1", first, EGlyph::OpenFile, openDicom, "Open a DICOM file", EFace::Accent});
    b.Button({"BUTTON_PLAY", second, EGlyph::Picture, openTif, "Open a TIF image"});
    return second.bottom() + 1;
}

// The save settings over the save command, in `width` from (x, top): quality and all pages on
// one line, the TIFF compression on the next, then the button on its own line at the right.
int SaveGroup(CBuilder& b, int x, int top, int width) {
    b.Heading("LABEL_SAVE", x, top, "Save the image");
    const int first = top + b.LabelHeight() + 4 + kEditHeight / 2;
    CRow row(b, x, first);
    row.Label("LABEL_QUALITY", "Quality (1-100)").Edit(EEditRole::Quality, "EDIT_QUALITY", 40);
    row.Gap(4).Label("LABEL_ALLPAGES", "All pages (1)").Edit(EEditRole::AllPages, "EDIT_ALLPAGES", 40);
    const int second = first + kEditHeight + 8;
    CRow compression(b, x, second);
    compression.Label("LABEL_COMPRESSION", "TIFF compression");
    b.Layout().combo =
        QRect(compression.X(), second - kEditHeight / 2, x + width - compression.X(), kEditHeight);
    const int third = second + kEditHeight / 2 + 8;
    const QString save = QString("Save") + kEllipsis;
    const int saveWidth = b.ButtonWidth(save, true) + 20;
    b.Button({"BUTTON_SAVE", QRect(x + width - saveWidth, third, saveWidth, kButtonHeight), EGlyph::Save,
              save, "Save the shown image in the format of the file name's extension", EFace::Accent});
    return third + kButtonHeight;
}

// The three information lists stacked in `area` with a label over each; `heights` are the
// parts of the area's height each list gets.
void InfoStack(CBuilder& b, const QRect& area, const int (&heights)[3]) {
    const char* titles[] = {"Sections", "Entries", "Value"};
    const char* labels[] = {"LABEL_SECTIONS", "LABEL_ENTRIES", "LABEL_VALUE"};
    const char* names[] = {"LIST_SECTIONS", "LIST_ENTRIES", "LIST_VALUE"};
    int top = area.top();
    for (int i = 0; i < 3; ++i) {
        b.Heading(labels[i], area.left(), top, titles[i]);
        top += b.LabelHeight() + 4;
        b.List(static_cast<EListRole>(i), names[i], QRect(area.left(), top, area.width(), heights[i]));
        top += heights[i] + 8;
    }
}

CSkinLayout Side(const CSkinPalette& palette) {
    CBuilder b(palette, QSize(1200, 700));
    TitleBar(b, 20, 1180, 32);
    b.Layout().viewer = QRect(20, 60, 780, 562);

    // Pages and cine on a bar under the image.
    const QRect bar(14, 632, 792, 52);
    b.Panel(bar);
    const int middle = bar.center().y() + 1;
    CRow row(b, PageButtons(b, 24, middle, 32) + 4, middle);
    PageBoxes(row);
    row.Gap(6);
    GoToPage(b, row);
    row.Gap(6);
    Cine(b, row);

    // The column on the right.
    const int x = 832;
    const int width = 338;
    b.Panel(QRect(x - 12, 60, width + 24, 104));
    FileGroup(b, x, 68, width);

    b.Panel(QRect(x - 12, 172, width + 24, 98));
    b.Heading("LABEL_ZOOM", x, 180, "Zoom");
    Zoom(b, QPoint(x, 200), 7, QSize(46, 26), 2, ESteps::OwnRowWithWords);

    b.Panel(QRect(x - 12, 278, width + 24, 276));
    InfoStack(b, QRect(x, 286, width, 0), {58, 82, 50});

    b.Panel(QRect(x - 12, 562, width + 24, 128));
    SaveGroup(b, x, 570, width);
    return b.Layout();
}

CSkinLayout Console(const CSkinPalette& palette) {
    CBuilder b(palette, QSize(1240, 720));
    TitleBar(b, 24, 1216, 34);
    b.Layout().viewer = QRect(24, 62, 852, 472);
    b.Panel(QRect(886, 56, 336, 484));
    InfoStack(b, QRect(898, 64, 312, 0), {132, 194, 56});

    // The deck: pages and cine, zoom, file, save.
    const int top = 550;
    const int height = 156;
    b.Panel(QRect(18, top, 396, height));
    b.Heading("LABEL_PAGES", 30, top + 8, "Pages");
    const int first = top + 48;
    CRow pages(b, PageButtons(b, 30, first, 34) + 2, first);
    PageBoxes(pages);
    CRow go(b, 30, first + 44);
    GoToPage(b, go);
    CRow cine(b, 30, first + 84);
    Cine(b, cine);

    b.Panel(QRect(422, top, 236, height));
    b.Heading("LABEL_ZOOM", 434, top + 8, "Zoom");
    Zoom(b, QPoint(434, top + 32), 4, QSize(50, 28), 4, ESteps::OwnRow);

    b.Panel(QRect(666, top, 244, height));
    FileGroup(b, 678, top + 8, 220);

    b.Panel(QRect(918, top, 304, height));
    SaveGroup(b, 930, top + 8, 280);
    return b.Layout();
}

CSkinLayout Compact(const CSkinPalette& palette) {
    CBuilder b(palette, QSize(940, 640));
    TitleBar(b, 18, 922, 28, 26);
    b.Layout().viewer = QRect(18, 52, 560, 440);

    // Under the image: pages, then zoom, then cine.
    b.Panel(QRect(12, 500, 572, 128));
    const int first = 522;
    CRow pages(b, PageButtons(b, 22, first, 30) + 2, first);
    PageBoxes(pages);
    pages.Gap(2);
    GoToPage(b, pages);
    Zoom(b, QPoint(22, 548), 9, QSize(52, 26), 6, ESteps::AfterPercents);
    CRow cine(b, 22, 604);
    Cine(b, cine);

    const int x = 604;
    const int width = 306;
    b.Panel(QRect(x - 10, 46, width + 20, 102));
    FileGroup(b, x, 52, width);
    b.Panel(QRect(x - 10, 156, width + 20, 338));
    InfoStack(b, QRect(x, 162, width, 0), {84, 120, 50});
    b.Panel(QRect(x - 10, 502, width + 20, 126));
    SaveGroup(b, x, 508, width);
    return b.Layout();
}

CSkinLayout Rail(const CSkinPalette& palette) {
    CBuilder b(palette, QSize(1200, 700));
    CSkinLayout& layout = b.Layout();
    // The caption heads the rail; minimise and close end the tool bar above the image.
    TitleBar(b, 24, 1180, 34);
    const int x = 30;
    const int width = 310;
    b.Panel(QRect(x - 12, 64, width + 24, 104));
    FileGroup(b, x, 72, width);
    b.Panel(QRect(x - 12, 176, width + 24, 362));
    InfoStack(b, QRect(x, 184, width, 0), {90, 128, 50});
    b.Panel(QRect(x - 12, 546, width + 24, 138));
    SaveGroup(b, x, 556, width);

    // Pages above the image, zoom and cine below it.
    const int left = 364;
    layout.viewer = QRect(left + 6, 112, 816, 510);
    b.Panel(QRect(left, 64, 828, 42));
    const int top = 85;
    CRow pages(b, PageButtons(b, left + 10, top, 30) + 6, top);
    PageBoxes(pages);
    pages.Gap(10);
    GoToPage(b, pages);

    b.Panel(QRect(left, 630, 828, 54));
    Zoom(b, QPoint(left + 10, 644), 9, QSize(48, 26), 4, ESteps::AfterPercents);
    const int cineWidth = b.TextWidth("ms per frame") + 6 + 52 + 8 + b.ButtonWidth("Play cine", true);
    CRow cine(b, left + 828 - 10 - cineWidth, 657);
    Cine(b, cine);
    return layout;
}

}  // namespace

CSkinLayout MakeLayout(ELayout layout, const CSkinPalette& palette) {
    switch (layout) {
        case ELayout::Console:
            return Console(palette);
        case ELayout::Compact:
            return Compact(palette);
        case ELayout::Rail:
            return Rail(palette);
        case ELayout::Side:
            break;
    }
    return Side(palette);
}
