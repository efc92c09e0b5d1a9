#include "SkinWriter.h"

#include <QDir>

#include "SkinArt.h"
#include "SkinPainter.h"

using SkinPainter::CIniWriter;

namespace {

// The combo box's drop button: one frame is as tall as an edit field.
constexpr int kDropWidth = 22;

const char kScrollFiles[] =
    "sb_track.bmp,sb_up.bmp,sb_up_active.bmp,sb_down.bmp,sb_down_active.bmp,sb_thumb.bmp,sb_thumb_active.bmp";

QString Hex(const QColor& colour) {
    return QString("0x%1").arg(colour.rgb() & 0xFFFFFF, 6, 16, QChar('0'));
}

QString Rect(const QRect& r) {
    return QString("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.left() + r.width())
        .arg(r.top() + r.height());
}

QString ButtonFile(const QString& name) {
    return "b_" + name.toLower().remove("button_") + ".bmp";
}

class CSkinFiles {
public:
    CSkinFiles(const QDir& dir, const CSkinLayout& layout, const CSkinPalette& palette)
        : m_dir(dir), m_layout(layout), m_palette(palette) {}

    bool Write() {
        const QImage background = SkinArt::Background(m_layout, m_palette);
        Picture("background.bmp", background);
        Picture("icon.bmp", SkinArt::Icon(background.copy(m_layout.icon), m_palette));
        const SkinArt::SScrollPictures scroll = SkinArt::ScrollPictures(m_palette);
        Picture("sb_track.bmp", scroll.track);
        Picture("sb_up.bmp", scroll.up);
        Picture("sb_up_active.bmp", scroll.upActive);
        Picture("sb_down.bmp", scroll.down);
        Picture("sb_down_active.bmp", scroll.downActive);
        Picture("sb_thumb.bmp", scroll.thumb);
        Picture("sb_thumb_active.bmp", scroll.thumbActive);
        Picture("drop.bmp", SkinArt::DropStrip(QSize(kDropWidth, m_layout.combo.height()), m_palette));
        const QImage notifier = SkinArt::NotifierFace(m_palette);
        Picture("dlgTaskNotifier.bmp", notifier);
        const CButtonSpec exit{"TASKBUTTON_EXIT", SkinArt::kNotifierExit, EGlyph::Close, "", "Close",
                               EFace::Title};
        Picture("b_notifier_exit.bmp", SkinArt::ButtonStrip(notifier.copy(exit.rect), exit, m_palette));
        for (const CButtonSpec& button : m_layout.buttons) {
            Picture(ButtonFile(button.name),
                    SkinArt::ButtonStrip(background.copy(button.rect), button, m_palette));
        }

        CIniWriter ini;
        ini.Section("Screen");
        ini.Value("Main", "background.bmp");
        ini.Section("TRANSPARENT");
        ini.Value("COLOR", Hex(QColor::fromRgb(SkinPainter::kKey)));
        ini.Section("CONTROL");
        ini.Value("CONTROL", Rect(m_layout.viewer));
        ini.Section("TASKBARBUTTON");
        ini.Entry(ButtonEntry(exit, "b_notifier_exit.bmp"));
        ini.Section("ICON");
        ini.Value("ICON", "icon.bmp," + Rect(m_layout.icon));
        ini.Section("BUTTONINFO");
        for (const CButtonSpec& button : m_layout.buttons) {
            ini.Entry(ButtonEntry(button, ButtonFile(button.name)));
        }
        ini.Section("CAPTION");
        ini.Value("CAPTION", LabelEntry(m_layout.caption, m_palette.captionFace, m_palette.captionPoints,
                                        m_palette.caption));
        ini.Section("LABELINFO");
        for (const CLabelSpec& label : m_layout.labels) {
            ini.Entry(LabelEntry(label, m_palette.face, m_palette.labelPoints,
                                 label.heading ? m_palette.heading : m_palette.label));
        }
        // In the order the viewer window addresses them by.
        ini.Section("EDITBOXINFO");
        for (const CEditSpec& edit : m_layout.edits) {
            ini.Entry(EditEntry(edit));
        }
        ini.Section("LISTBOXINFO");
        for (const CListSpec& list : m_layout.lists) {
            ini.Entry(QString("%1,%2,%3,%4").arg(list.name, Rect(list.rect), ListColours(), kScrollFiles));
        }
        ini.Section("COMBOBOXINFO");
        ini.Entry(QString("COMBO_COMPRESSION,%1,drop.bmp,%2,%3,%4,%5,%6")
                      .arg(Rect(m_layout.combo), Hex(m_palette.fieldBack), Hex(m_palette.fieldText),
                           Hex(m_palette.fieldBack), ListColours(), kScrollFiles));
        return ini.Save(m_dir.filePath("Skin.ini")) && m_ok;
    }

private:
    void Picture(const QString& name, const QImage& image) {
        m_ok = SkinPainter::SaveBmp(image, m_dir.filePath(name)) && m_ok;
    }

    static QString ButtonEntry(const CButtonSpec& button, const QString& file) {
        return QString("%1,%2,%3,%4,F").arg(button.name, file, Rect(button.rect), button.hint);
    }
    static QString LabelEntry(const CLabelSpec& label, const QString& face, int points, const QColor& ink) {
        return QString("%1,%2,%3,%4,%5,%6")
            .arg(label.name, Rect(label.rect), label.text, face)
            .arg(points)
            .arg(Hex(ink));
    }
    // Fields that show values are read-outs the user cannot type into. The border takes the
    // field's own colour: the well drawn around it in the background is its frame.
    QString EditEntry(const CEditSpec& edit) const {
        const QColor back = edit.enabled ? m_palette.fieldBack : m_palette.readoutBack;
        const QColor text = edit.enabled ? m_palette.fieldText : m_palette.readoutText;
        return QString("%1,%2,%3,%4,%5,%6")
            .arg(edit.name, Rect(edit.rect), Hex(back), Hex(text), Hex(back),
                 edit.enabled ? "TRUE" : "FALSE");
    }
    QString ListColours() const {
        return QStringList{Hex(m_palette.listBack), Hex(m_palette.listText), Hex(m_palette.selectedBack),
                           Hex(m_palette.selectedText)}
            .join(',');
    }

    QDir m_dir;
    const CSkinLayout& m_layout;
    const CSkinPalette& m_palette;
    bool m_ok = true;
};

}  // namespace

bool DrawSkin(const CSkinLayout& layout, const CSkinPalette& palette, const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    return CSkinFiles(QDir(folder), layout, palette).Write();
}
