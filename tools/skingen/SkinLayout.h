#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "SkinGlyphs.h"

struct CSkinPalette;

// Where a skin puts things: the window's size, the image, the group panels and every control,
// with the texts and glyphs they show. Layouts know nothing of colours; they take from the
// palette only its fonts, to make labels as wide as what they say, and its outline, since a
// crowned one wants the caption in the middle.

enum class EFace {
    Plain,   // an ordinary command
    Accent,  // the main command of its group
    Title,   // minimise and close
};

struct CButtonSpec {
    QString name;
    QRect rect;
    EGlyph glyph = EGlyph::None;
    QString text;
    QString hint;
    EFace face = EFace::Plain;
};

struct CLabelSpec {
    QString name;
    QRect rect;
    QString text;
    bool heading = false;
};

// The roles the viewer window gives its edit boxes and lists, by their creation order.
enum class EEditRole { Path, Quality, AllPages, Page, PageCount, GoToPage, CineInterval, Count };
enum class EListRole { Sections, Entries, Value, Count };

struct CEditSpec {
    QString name;
    QRect rect;
    bool enabled = true;
};

struct CListSpec {
    QString name;
    QRect rect;
};

struct CSkinLayout {
    QSize size;
    QRect viewer;
    QRect icon;
    CLabelSpec caption;
    std::vector<QRect> panels;
    std::vector<CButtonSpec> buttons;
    std::vector<CLabelSpec> labels;
    std::array<CEditSpec, static_cast<size_t>(EEditRole::Count)> edits;
    std::array<CListSpec, static_cast<size_t>(EListRole::Count)> lists;
    // The save option's combo box: its edit field and drop button, one field high.
    QRect combo;
};

// The layouts the skins choose from.
enum class ELayout {
    Side,     // image on the left, controls in a column on the right, pages under the image
    Console,  // wide image, lists beside it, a deck of four panels below
    Compact,  // a small window: image, pages and zoom on the left, a narrow column on the right
    Rail,     // controls in a rail on the left, pages above the image and zoom below it
};

CSkinLayout MakeLayout(ELayout layout, const CSkinPalette& palette);

// The font a label of the palette is drawn in, as the skin window builds it (points at 96 dpi).
QFont LabelFont(const CSkinPalette& palette);
QFont CaptionFont(const CSkinPalette& palette);
// The font of the words on buttons.
QFont ButtonFont(const CSkinPalette& palette, int pixels);
