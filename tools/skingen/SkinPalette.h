#pragma once

#include <QColor>
#include <QString>

// The window's outline: what the key colour cuts away around the body.
enum class EOutline {
    Rounded,    // corners rounded with `radius`
    Chamfered,  // corners cut straight at 45 degrees, `radius` long
    Scalloped,  // corners cut in quarter circles bowed inwards, like a picture mat
    Crowned,    // rounded, with a raised tab in the middle of the top edge for the caption
};

// What gives one skin its look: colours, fonts, the outline and how much relief its surfaces
// have. The layout says where things are; the palette says how they look.
struct CSkinPalette {
    // Text: labels, headings, the caption and the words on buttons.
    QString face = "DejaVu Sans";
    QString captionFace = "DejaVu Sans";
    int labelPoints = 9;
    int captionPoints = 14;
    int buttonPixels = 12;
    bool buttonBold = true;
    QColor label;
    QColor heading;
    QColor caption;

    // The window.
    EOutline outline = EOutline::Rounded;
    int radius = 24;
    QColor bodyTop, bodyBottom;
    QColor rimOuter;               // the line along the window's edge
    QColor rimInner;               // a lighter line just inside it
    QColor titleTop, titleBottom;  // band behind the caption; transparent for none
    int texture = 0;               // 0 none, 1 fine horizontal lines, 2 diagonal weave
    QColor textureInk;

    // Group panels and the wells of the image, fields and lists.
    QColor panelTop, panelBottom, panelRim;
    int panelRadius = 10;
    QColor panelHighlight;  // top edge of a raised panel; transparent for a flat one
    bool ornate = false;    // a second rim inside panels, and rules after their headings
    QColor well, wellRim;   // around the image

    // Fields: edit boxes for input, read-outs for values the window shows.
    QColor fieldBack, fieldText, fieldRim;
    QColor readoutBack, readoutText;
    QColor listBack, listText, selectedBack, selectedText;

    // Buttons: ordinary, accented (the main command of a group) and those of the title bar.
    QColor faceTop, faceBottom, faceRim, ink;
    QColor accentTop, accentBottom, accentRim, accentInk;
    QColor titleFaceTop, titleFaceBottom, titleInk;
    QColor hoverRing;      // drawn around a face under the mouse
    int buttonRadius = 6;  // -1 makes pills and circles
    qreal gloss = 0;       // strength of the light on the upper half of a face, 0 to 1
    bool bevel = false;    // light and dark edges that raise faces and sink pressed ones

    // Scroll bars of the lists.
    int scrollWidth = 14;
    QColor scrollTrack, scrollFace, scrollInk;
};

// A colour between `a` (t = 0) and `b` (t = 1).
QColor Mix(const QColor& a, const QColor& b, qreal t);
