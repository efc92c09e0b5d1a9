#include "DevSkin.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "SkinPainter.h"

using namespace SkinPainter;

namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 600;
const QRect kViewerArea(24, 64, 520, 420);

// The right-hand column, grouped on panels of the background.
const QRect kFilePanel(558, 60, 388, 58);
const QRect kZoomPanel(558, 122, 388, 86);
const QRect kWindowPanel(558, 212, 388, 86);
const QRect kInfoPanel(558, 302, 388, 170);
const QRect kSavePanel(558, 476, 388, 100);

// The cine speed slider's place, and its track drawn into the background under it.
const QPoint kSpeedSlider(112, 552);
const QSize kChannel(200, 8);
const QSize kThumb(16, 16);

// Colours of the skin, as 0xRRGGBB for the description.
constexpr QRgb kLabelInk = 0xD8C8F0;
constexpr QRgb kCaptionInk = 0xF0E6FF;
constexpr QRgb kEditBack = 0x1B1028;
constexpr QRgb kEditText = 0xF0E6FF;
constexpr QRgb kEditBorder = 0xB89AE0;
const QColor kRim(0x7E, 0x5C, 0xB0);
constexpr QRgb kListText = 0xE8DEFF;
constexpr QRgb kSelectedBack = 0xF2B54A;
constexpr QRgb kSelectedText = 0x2A1A05;

// The scroll bar of every list, and the drop button of the combo box.
constexpr int kBarWidth = 16;
const QColor kGroove(0x2E, 0x1C, 0x44);
const QSize kDropFrame(20, 22);
const char kScrollPictures[] =
    "sb_track.bmp,sb_up.bmp,sb_up_active.bmp,sb_down.bmp,sb_down_active.bmp,"
    "sb_thumb.bmp,sb_thumb_active.bmp";

QString Hex(QRgb rgb) {
    return QString("0x%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0'));
}

// How a button body looks in each of its four frames; `accent` is the look of a chosen option.
struct SLookColours {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor ink;
    int shift;  // content moves by this much while pressed
};

SLookColours ColoursOf(Look look, bool accent) {
    switch (look) {
        case Look::Hover:
            return {QColor(0xA8, 0x88, 0xE8), QColor(0x6E, 0x4C, 0xAE), QColor(0xE6, 0xD8, 0xFF), Qt::white,
                    0};
        case Look::Down:
            if (accent) {
                return {QColor(0xF2, 0xB5, 0x4A), QColor(0xC2, 0x7C, 0x16), QColor(0xFF, 0xE0, 0xA0),
                        QColor(0x2A, 0x1A, 0x05), 0};
            }
            return {QColor(0x3E, 0x24, 0x68), QColor(0x6A, 0x48, 0xA6), QColor(0x9C, 0x82, 0xD0),
                    QColor(0xF3, 0xE9, 0xFF), 1};
        case Look::Disabled:
            return {QColor(0x6E, 0x66, 0x78), QColor(0x55, 0x50, 0x5E), QColor(0x85, 0x80, 0x8C),
                    QColor(0xA3, 0x9B, 0xAE), 0};
        case Look::Normal:
            break;
    }
    return {QColor(0x8E, 0x6A, 0xD0), QColor(0x5A, 0x3A, 0x92), QColor(0xC9, 0xB2, 0xF0), Qt::white, 0};
}

QFont InkFont(int pixels, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Draws a glyph or text inside `area` with the ink colour of a look.
using Ink = std::function<void(QPainter&, const QRectF& area, const QColor& ink)>;

Ink Text(const QString& text, int pixels = 12) {
    return [text, pixels](QPainter& painter, const QRectF& area, const QColor& ink) {
        painter.setFont(InkFont(pixels, true));
        painter.setPen(ink);
        painter.drawText(area, Qt::AlignCenter, text);
    };
}

// A glyph drawn as filled polygons given in a unit square centred in the area.
Ink Shapes(std::vector<QPolygonF> shapes, qreal scale) {
    return [shapes = std::move(shapes), scale](QPainter& painter, const QRectF& area, const QColor& ink) {
        const qreal side = std::min(area.width(), area.height()) * scale;
        painter.translate(area.center() - QPointF(side / 2, side / 2));
        painter.scale(side, side);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        for (const QPolygonF& shape : shapes) {
            painter.drawPolygon(shape);
        }
    };
}

QPolygonF Box(qreal left, qreal top, qreal right, qreal bottom) {
    return QPolygonF({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

const QPolygonF kRight({{0.2, 0.0}, {1.0, 0.5}, {0.2, 1.0}});
const QPolygonF kLeft({{0.8, 0.0}, {0.0, 0.5}, {0.8, 1.0}});

// A button of `size` with a rounded body and its ink, in the four looks.
QImage ButtonStrip(QSize size, int radius, const Ink& ink, bool accentWhenDown = false) {
    return FrameStrip(size, [&](QPainter& painter, const QRect& frame, Look look) {
        const SLookColours colours = ColoursOf(look, accentWhenDown);
        Body(painter, frame, colours.top, colours.bottom, colours.rim, radius);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const QRectF area = QRectF(frame).adjusted(3, 3, -3, -3).translated(colours.shift, colours.shift);
        ink(painter, area, colours.ink);
    });
}

QImage RoundButton(int diameter, const Ink& ink) {
    return ButtonStrip(QSize(diameter, diameter), diameter / 2, ink);
}

// A check button: a pill with a box that shows a tick while checked, and its text.
QImage CheckStrip(QSize size, const QString& text) {
    return FrameStrip(size, [&](QPainter& painter, const QRect& frame, Look look) {
        const SLookColours colours = ColoursOf(look == Look::Down ? Look::Normal : look, false);
        Body(painter, frame, colours.top, colours.bottom, colours.rim, size.height() / 2);
        const QRect box(frame.left() + 5, frame.top() + (size.height() - 14) / 2, 14, 14);
        Body(painter, box, QColor(0x1B, 0x10, 0x28), QColor(0x2E, 0x1C, 0x44), colours.rim, 3);
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (look == Look::Down) {
            painter.setPen(QPen(QColor(0xF2, 0xB5, 0x4A), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(
                QPolygonF({QPointF(box.left() + 3, box.top() + 7), QPointF(box.left() + 6, box.top() + 10),
                           QPointF(box.left() + 11, box.top() + 3)}));
        }
        painter.setFont(InkFont(12, false));
        painter.setPen(colours.ink);
        painter.drawText(QRectF(frame).adjusted(box.width() + 10, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         text);
    });
}

QImage Channel() {
    // The channel is copied as it is, key colour included, so its corners take the colour of
    // the groove's rim instead.
    QImage image(kChannel, QImage::Format_RGB32);
    image.fill(kRim);
    QPainter painter(&image);
    Body(painter, image.rect(), QColor(0xF2, 0xB5, 0x4A), QColor(0xC2, 0x7C, 0x16), QColor(0xFF, 0xE0, 0xA0),
         kChannel.height() / 2);
    return image;
}

QImage Knob(bool active) {
    QImage image = Canvas(kThumb.width(), kThumb.height());
    QPainter painter(&image);
    const SLookColours colours = ColoursOf(active ? Look::Hover : Look::Normal, false);
    Body(painter, image.rect(), colours.rim, colours.bottom, active ? QColor(0xFF, 0xE0, 0xA0) : colours.rim,
         kThumb.width() / 2);
    return image;
}

// Scroll bar parts are copied as they are, so nothing of them is left key-coloured: what lies
// outside a part's body takes the groove's colour.
QImage ScrollTrack() {
    QImage image(kBarWidth, 32, QImage::Format_RGB32);
    image.fill(kGroove);
    QPainter painter(&image);
    painter.fillRect(QRect(kBarWidth / 2 - 1, 0, 2, image.height()), kGroove.lighter(130));
    return image;
}

QImage ScrollPart(QSize size, bool active, const std::vector<QPolygonF>& glyph) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kGroove);
    QPainter painter(&image);
    const SLookColours colours = ColoursOf(active ? Look::Hover : Look::Normal, false);
    Body(painter, image.rect(), colours.top, colours.bottom, colours.rim, 4);
    if (!glyph.empty()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        Shapes(glyph, 0.5)(painter, QRectF(image.rect()), colours.ink);
    }
    return image;
}

// The drop button keeps black as its transparent colour, so its corners are black instead of
// the key colour.
QImage DropStrip() {
    QImage strip = ButtonStrip(kDropFrame, 4, Shapes({QPolygonF({{0.0, 0.2}, {1.0, 0.2}, {0.5, 0.8}})}, 0.6));
    for (int y = 0; y < strip.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == kKey) {
                row[x] = qRgb(0, 0, 0);
            }
        }
    }
    return strip;
}

QImage Background() {
    QImage image = Canvas(kWidth, kHeight);
    Panel(image, QRect(0, 0, kWidth, kHeight), QColor(0x6B, 0x3F, 0xA0), QColor(0x2E, 0x17, 0x4D), 28);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A notch cut out of the bottom edge, to show that the shape follows the key.
    painter.fillRect(QRect(kWidth / 2 - 40, kHeight - 10, 80, 10), QColor::fromRgb(kKey));
    // The well in which the viewer sits.
    painter.setBrush(QColor(0x12, 0x0A, 0x1E));
    painter.setPen(QPen(QColor(0xB8, 0x9A, 0xE0), 1));
    painter.drawRect(kViewerArea.adjusted(-2, -2, 1, 1));
    // Group panels of the right-hand column.
    for (const QRect& panel : {kFilePanel, kZoomPanel, kWindowPanel, kInfoPanel, kSavePanel}) {
        Body(painter, panel, QColor(0x4A, 0x2C, 0x74), QColor(0x3A, 0x22, 0x5E), kRim, 8);
    }
    // The empty track of the speed slider; its channel fills it up to the thumb.
    const QRect groove(kSpeedSlider + QPoint(0, (kThumb.height() - kChannel.height()) / 2), kChannel);
    Body(painter, groove, QColor(0x1B, 0x10, 0x28), QColor(0x2E, 0x1C, 0x44), kRim, kChannel.height() / 2);
    return image;
}

QImage Icon() {
    QImage image = Canvas(40, 40);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE8, 0xD8, 0xFF));
    painter.drawEllipse(QRect(2, 2, 36, 36));
    painter.setBrush(QColor(0x4A, 0x2C, 0x6E));
    painter.drawEllipse(QRect(11, 11, 18, 18));
    return image;
}

QString Rect(const QRect& r) {
    return QString("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.left() + r.width())
        .arg(r.top() + r.height());
}

// Collects the pictures and the description of the skin as its controls are added.
class CDevSkin {
public:
    explicit CDevSkin(const QDir& dir) : m_dir(dir) {}

    void Picture(const QString& name, const QImage& image) {
        m_ok = SaveBmp(image, m_dir.filePath(name)) && m_ok;
    }

    void Button(const QString& name, const QRect& rect, const QImage& strip, const QString& hint) {
        const QString file = "b_" + name.toLower() + ".bmp";
        Picture(file, strip);
        m_buttons << QString("%1,%2,%3,%4,F").arg(name, file, Rect(rect), hint);
    }
    void Option(const QString& name, const QRect& rect, const QString& text, bool checked) {
        const QString file = "o_" + name.toLower() + ".bmp";
        Picture(file, ButtonStrip(rect.size(), 6, Text(text), true));
        m_options << QString("%1,%2,%3,%4,F,%5").arg(name, file, Rect(rect), text, checked ? "T" : "F");
    }
    void Check(const QString& name, const QRect& rect, const QString& text, bool checked) {
        const QString file = "c_" + name.toLower() + ".bmp";
        Picture(file, CheckStrip(rect.size(), text));
        m_checks << QString("%1,%2,%3,%4,F,%5").arg(name, file, Rect(rect), text, checked ? "T" : "F");
    }
    void Slider(const QString& name, QPoint at, int position, const QString& hint) {
        m_sliders << QString("%1,channel.bmp,thumb.bmp,thumb_active.bmp,%2,%3,%4,%5,H,%6,%7")
                         .arg(name)
                         .arg(at.x())
                         .arg(at.y())
                         .arg(at.x() + kChannel.width())
                         .arg(at.y() + kThumb.height())
                         .arg(position)
                         .arg(hint);
    }
    void Label(const QString& name, const QRect& rect, const QString& text, int size = 9,
               QRgb ink = kLabelInk) {
        m_labels << LabelEntry(name, rect, text, size, ink);
    }
    void Caption(const QRect& rect, const QString& text) {
        m_caption = LabelEntry("", rect, text, 15, kCaptionInk);
    }
    void Edit(const QString& name, const QRect& rect, bool enabled) {
        m_edits << QString("%1,%2,%3,%4,%5,%6")
                       .arg(name, Rect(rect), Hex(kEditBack), Hex(kEditText), Hex(kEditBorder),
                            enabled ? "TRUE" : "FALSE");
    }

    void ListBox(const QString& name, const QRect& rect) {
        m_lists << QString("%1,%2,%3,%4").arg(name, Rect(rect), ListColours(), kScrollPictures);
    }
    void Combo(const QString& name, const QRect& rect) {
        m_combos << QString("%1,%2,drop.bmp,%3,%4,%5,%6,%7")
                        .arg(name, Rect(rect), Hex(kEditBack), Hex(kEditText), Hex(kEditBorder),
                             ListColours(), kScrollPictures);
    }

    bool Save(CIniWriter& ini) {
        ini.Section("CAPTION");
        ini.Value("CAPTION", m_caption);
        Numbered(ini, "BUTTONINFO", m_buttons);
        Numbered(ini, "SLIDERINFO", m_sliders);
        Numbered(ini, "OPTIONINFO", m_options);
        Numbered(ini, "CHECKINFO", m_checks);
        Numbered(ini, "LABELINFO", m_labels);
        Numbered(ini, "EDITBOXINFO", m_edits);
        Numbered(ini, "LISTBOXINFO", m_lists);
        Numbered(ini, "COMBOBOXINFO", m_combos);
        return ini.Save(m_dir.filePath("Skin.ini")) && m_ok;
    }

private:
    static QString LabelEntry(const QString& name, const QRect& rect, const QString& text, int size,
                              QRgb ink) {
        return QString("%1,%2,%3,DejaVu Sans,%4,%5").arg(name, Rect(rect), text).arg(size).arg(Hex(ink));
    }
    static QString ListColours() {
        return QStringList{Hex(kEditBack), Hex(kListText), Hex(kSelectedBack), Hex(kSelectedText)}.join(',');
    }
    static void Numbered(CIniWriter& ini, const QString& section, const QStringList& entries) {
        ini.Section(section);
        for (const QString& entry : entries) {
            ini.Entry(entry);
        }
    }

    QDir m_dir;
    bool m_ok = true;
    QString m_caption;
    QStringList m_buttons, m_sliders, m_options, m_checks, m_labels, m_edits, m_lists, m_combos;
};

void AddTitleBar(CDevSkin& skin) {
    skin.Caption(QRect(72, 20, 400, 30), "Vitrine  \u00b7  DICOM viewer");
    skin.Button("BUTTON_MINIMIZE", QRect(872, 16, 28, 28),
                RoundButton(28, Shapes({Box(0.15, 0.62, 0.85, 0.8)}, 0.8)), "Minimise");
    const QPolygonF cross1({{0.1, 0.22}, {0.22, 0.1}, {0.9, 0.78}, {0.78, 0.9}});
    const QPolygonF cross2({{0.78, 0.1}, {0.9, 0.22}, {0.22, 0.9}, {0.1, 0.78}});
    skin.Button("BUTTON_EXIT", QRect(910, 16, 28, 28), RoundButton(28, Shapes({cross1, cross2}, 0.6)),
                "Close");
}

void AddTransport(CDevSkin& skin) {
    const qreal glyph = 0.55;
    const QPolygonF bar = Box(0.0, 0.0, 0.18, 1.0);
    const QPolygonF barRight = Box(0.82, 0.0, 1.0, 1.0);
    const QPolygonF leftAfterBar({{1.0, 0.0}, {0.25, 0.5}, {1.0, 1.0}});
    const QPolygonF rightBeforeBar({{0.0, 0.0}, {0.75, 0.5}, {0.0, 1.0}});
    skin.Button("BUTTON_START_1", QRect(24, 496, 36, 36), RoundButton(36, Shapes({bar, leftAfterBar}, glyph)),
                "First page");
    skin.Button("BUTTON_PREVIOUS", QRect(66, 496, 36, 36), RoundButton(36, Shapes({kLeft}, glyph)),
                "Previous page");
    skin.Button("BUTTON_PLAY", QRect(108, 494, 40, 40), RoundButton(40, Shapes({kRight}, glyph)),
                "Open a TIF image");
    skin.Button("BUTTON_PAUSE", QRect(108, 494, 40, 40),
                RoundButton(40, Shapes({Box(0.15, 0, 0.4, 1), Box(0.6, 0, 0.85, 1)}, glyph)), "Pause");
    skin.Button("BUTTON_NEXT", QRect(154, 496, 36, 36), RoundButton(36, Shapes({kRight}, glyph)),
                "Next page");
    skin.Button("BUTTON_END", QRect(196, 496, 36, 36),
                RoundButton(36, Shapes({rightBeforeBar, barRight}, glyph)), "Last page");

    skin.Label("LABEL_PAGE", QRect(246, 506, 44, 18), "Page");
    skin.Edit("EDIT_PAGE", QRect(286, 503, 40, 22), true);
    skin.Label("LABEL_OF", QRect(332, 506, 20, 18), "of");
    skin.Edit("EDIT_PAGECOUNT", QRect(352, 503, 40, 22), false);
    skin.Label("LABEL_GOTO", QRect(404, 506, 40, 18), "&Go to");
    skin.Edit("EDIT_GOTO", QRect(446, 503, 40, 22), true);
    skin.Button("BUTTON_BROWSE2", QRect(492, 501, 52, 26), ButtonStrip(QSize(52, 26), 6, Text("Go")),
                "Go to the page typed beside");

    skin.Label("LABEL_SPEED", QRect(24, 553, 84, 18), "Cine speed");
    skin.Slider("SLIDER_CINE", kSpeedSlider, 2400, "Cine speed");
    // The progress slider and its time label are hidden by every load; they only need to exist.
    skin.Slider("SLIDER_PROGRESS", QPoint(330, 552), 0, "Progress");
    skin.Label("LABEL_TIME", QRect(330, 553, 180, 18), "");
}

void AddRightColumn(CDevSkin& skin) {
    const int x = kFilePanel.left() + 12;
    skin.Label("LABEL_FILE", QRect(x, kFilePanel.top() + 6, 200, 16), "DICOM file");
    skin.Edit("EDIT_PATH", QRect(x, kFilePanel.top() + 26, 268, 24), false);
    skin.Button("BUTTON_BROWSE1", QRect(856, kFilePanel.top() + 24, 78, 28),
                ButtonStrip(QSize(78, 28), 6, Text("Open\u2026")), "Open a DICOM file");

    skin.Label("LABEL_ZOOM", QRect(x, kZoomPanel.top() + 6, 200, 16), "Zoom");
    const char* zooms[] = {"25", "33", "50", "75", "100", "150", "200"};
    for (int i = 0; i < 7; ++i) {
        const QString percent = zooms[i];
        skin.Button("BUTTON_ZOOM" + percent, QRect(x + i * 52, kZoomPanel.top() + 26, 48, 24),
                    ButtonStrip(QSize(48, 24), 6, Text(percent + "%", 11)), "Show at " + percent + "%");
    }
    const qreal thin = 0.16;
    const QPolygonF minus = Box(0, 0.5 - thin / 2, 1, 0.5 + thin / 2);
    const QPolygonF upright = Box(0.5 - thin / 2, 0, 0.5 + thin / 2, 1);
    skin.Button("BUTTON_OUT", QRect(x, kZoomPanel.top() + 56, 36, 24),
                ButtonStrip(QSize(36, 24), 6, Shapes({minus}, 0.8)), "Zoom out");
    skin.Button("BUTTON_IN", QRect(x + 40, kZoomPanel.top() + 56, 36, 24),
                ButtonStrip(QSize(36, 24), 6, Shapes({minus, upright}, 0.8)), "Zoom in");

    skin.Label("LABEL_WINDOW", QRect(x, kWindowPanel.top() + 6, 200, 16), "Window");
    skin.Option("OPTION_WINDOW_DEFAULT", QRect(x, kWindowPanel.top() + 26, 80, 24), "Default", true);
    skin.Option("OPTION_WINDOW_LUNG", QRect(x + 84, kWindowPanel.top() + 26, 80, 24), "Lung", false);
    skin.Option("OPTION_WINDOW_BONE", QRect(x + 168, kWindowPanel.top() + 26, 80, 24), "Bone", false);
    skin.Check("CHECK_INVERT", QRect(x, kWindowPanel.top() + 56, 100, 24), "Invert", false);
    skin.Check("CHECK_OVERLAY", QRect(x + 104, kWindowPanel.top() + 56, 110, 24), "Overlay", true);

    skin.Label("LABEL_SAVE", QRect(x, kSavePanel.top() + 6, 200, 16), "Save the image");
    skin.Edit("EDIT_SAVE1", QRect(x, kSavePanel.top() + 26, 48, 24), true);
    skin.Edit("EDIT_SAVE2", QRect(x + 54, kSavePanel.top() + 26, 48, 24), true);
    // The format to save in; its list opens over the start row below.
    skin.Combo("COMBO_FORMAT", QRect(x + 110, kSavePanel.top() + 27, 170, 89));
    skin.Button("BUTTON_SAVE", QRect(856, kSavePanel.top() + 24, 78, 28),
                ButtonStrip(QSize(78, 28), 6, Text("Save\u2026")), "Save the shown image");
}

// The information lists: sections, the entries of the chosen section and the chosen entry's
// value, addressed by position in this order.
void AddInformation(CDevSkin& skin) {
    const int x = kInfoPanel.left() + 12;
    const int top = kInfoPanel.top() + 26;
    skin.Label("LABEL_INFO", QRect(x, kInfoPanel.top() + 6, 200, 16), "File information");
    skin.ListBox("LIST_SECTIONS", QRect(x, top, 130, 136));
    skin.ListBox("LIST_ENTRIES", QRect(x + 138, top, 226, 88));
    skin.ListBox("LIST_VALUE", QRect(x + 138, top + 94, 226, 42));
}

void AddStartRow(CDevSkin& skin) {
    const int x = kSavePanel.left() + 12;
    skin.Label("LABEL_START", QRect(x, kSavePanel.top() + 68, 90, 16), "Start value");
    skin.Edit("EDIT_START", QRect(x + 92, kSavePanel.top() + 64, 64, 24), true);
    skin.Button("BUTTON_START", QRect(856, kSavePanel.top() + 62, 78, 28),
                ButtonStrip(QSize(78, 28), 6, Text("Start")), "Start with the value beside");
}

}  // namespace

bool WriteDevSkin(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QDir dir(folder);
    CDevSkin skin(dir);
    skin.Picture("background.bmp", Background());
    skin.Picture("icon.bmp", Icon());
    skin.Picture("channel.bmp", Channel());
    skin.Picture("thumb.bmp", Knob(false));
    skin.Picture("thumb_active.bmp", Knob(true));
    const QPolygonF upGlyph({{0.0, 0.75}, {0.5, 0.2}, {1.0, 0.75}});
    const QPolygonF downGlyph({{0.0, 0.25}, {0.5, 0.8}, {1.0, 0.25}});
    skin.Picture("sb_track.bmp", ScrollTrack());
    skin.Picture("sb_up.bmp", ScrollPart(QSize(kBarWidth, kBarWidth), false, {upGlyph}));
    skin.Picture("sb_up_active.bmp", ScrollPart(QSize(kBarWidth, kBarWidth), true, {upGlyph}));
    skin.Picture("sb_down.bmp", ScrollPart(QSize(kBarWidth, kBarWidth), false, {downGlyph}));
    skin.Picture("sb_down_active.bmp", ScrollPart(QSize(kBarWidth, kBarWidth), true, {downGlyph}));
    skin.Picture("sb_thumb.bmp", ScrollPart(QSize(kBarWidth, 28), false, {}));
    skin.Picture("sb_thumb_active.bmp", ScrollPart(QSize(kBarWidth, 28), true, {}));
    skin.Picture("drop.bmp", DropStrip());

    CIniWriter ini;
    ini.Section("Screen");
    ini.Value("Main", "background.bmp");
    ini.Section("TRANSPARENT");
    ini.Value("COLOR", "0xFF00FF");
    ini.Section("CONTROL");
    ini.Value("CONTROL", Rect(kViewerArea));
    ini.Section("ICON");
    ini.Value("ICON", "icon.bmp,20,14,60,54");

    // Edit boxes are addressed by position: path, two save settings, page, page count, the
    // page to go to and the start value, in this order.
    AddTitleBar(skin);
    AddRightColumn(skin);
    AddInformation(skin);
    AddTransport(skin);
    AddStartRow(skin);
    return skin.Save(ini);
}
