#include "SkinPalettes.h"

#include <cmath>

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

namespace {

QColor C(QRgb rgb, int alpha = 255) {
    QColor colour = QColor::fromRgb(rgb);
    colour.setAlpha(alpha);
    return colour;
}

const QColor kNone(0, 0, 0, 0);

}  // namespace

namespace SkinPalettes {

// Deep violet with amber for what matters: the face the program starts with.
CSkinPalette Violet() {
    CSkinPalette p;
    p.label = C(0xD8C8F0);
    p.heading = C(0xF2C66A);
    p.caption = C(0xF6EEFF);
    p.outline = EOutline::Rounded;
    p.radius = 26;
    p.bodyTop = C(0x5B3592);
    p.bodyBottom = C(0x2A1646);
    p.rimOuter = C(0x1A0D2B);
    p.rimInner = C(0x9A7BD0);
    p.titleTop = C(0x7049AC);
    p.titleBottom = C(0x4E2C82);
    p.panelTop = C(0x40256A);
    p.panelBottom = C(0x321C54);
    p.panelRim = C(0x6A4C9C);
    p.panelHighlight = C(0xFFFFFF, 40);
    p.well = C(0x0E0818);
    p.wellRim = C(0x7E62B0);
    p.fieldBack = C(0x1B1028);
    p.fieldText = C(0xF0E6FF);
    p.fieldRim = C(0x8A6CC0);
    p.readoutBack = C(0x261838);
    p.readoutText = C(0xF2C66A);
    p.listBack = C(0x1B1028);
    p.listText = C(0xE8DEFF);
    p.selectedBack = C(0xF2B54A);
    p.selectedText = C(0x2A1A05);
    p.faceTop = C(0x8E6AD0);
    p.faceBottom = C(0x5A3A92);
    p.faceRim = C(0x2A1646);
    p.ink = C(0xFFFFFF);
    p.accentTop = C(0xF6C062);
    p.accentBottom = C(0xD08A1E);
    p.accentRim = C(0x7A4A08);
    p.accentInk = C(0x2A1A05);
    p.titleFaceTop = C(0x8A66CC);
    p.titleFaceBottom = C(0x5E3E98);
    p.titleInk = C(0xFFFFFF);
    p.hoverRing = C(0xFFD27A);
    p.buttonRadius = 6;
    p.gloss = 0.5;
    p.scrollTrack = C(0x24163A);
    p.scrollFace = C(0x6E4CAE);
    p.scrollInk = C(0xF0E6FF);
    return p;
}

// Lilac and cream, with pill buttons: the lighter purple of the compact window.
CSkinPalette Lilac() {
    CSkinPalette p;
    p.label = C(0x3E2466);
    p.heading = C(0x6A3FB0);
    p.caption = C(0xFFFFFF);
    p.outline = EOutline::Rounded;
    p.radius = 30;
    p.bodyTop = C(0xB39AE0);
    p.bodyBottom = C(0x7C58BC);
    p.rimOuter = C(0x3E2466);
    p.rimInner = C(0xE6DAFA);
    p.titleTop = kNone;
    p.panelTop = C(0xF8F4FE);
    p.panelBottom = C(0xEDE4F9);
    p.panelRim = C(0x9C80CC);
    p.panelHighlight = C(0xFFFFFF);
    p.panelRadius = 14;
    p.well = C(0x140C20);
    p.wellRim = C(0x4A2C80);
    p.fieldBack = C(0xFFFFFF);
    p.fieldText = C(0x2A1846);
    p.fieldRim = C(0xB49AD8);
    p.readoutBack = C(0xEEE6FA);
    p.readoutText = C(0x4A2C80);
    p.listBack = C(0xFFFFFF);
    p.listText = C(0x2A1846);
    p.selectedBack = C(0x7A4FC4);
    p.selectedText = C(0xFFFFFF);
    p.faceTop = C(0x9E7ADC);
    p.faceBottom = C(0x6E46B6);
    p.faceRim = C(0x4E2E90);
    p.ink = C(0xFFFFFF);
    p.accentTop = C(0xF6C062);
    p.accentBottom = C(0xDA9020);
    p.accentRim = C(0x9A5E0C);
    p.accentInk = C(0x3A2205);
    p.titleFaceTop = C(0xEDE4F9);
    p.titleFaceBottom = C(0xC8B4EA);
    p.titleInk = C(0x3E2466);
    p.hoverRing = C(0xF2B54A);
    p.buttonRadius = -1;
    p.gloss = 0.45;
    p.scrollTrack = C(0xF1EAFB);
    p.scrollFace = C(0xB49AD8);
    p.scrollInk = C(0xFFFFFF);
    return p;
}

// Warm orange around cream panels; soft, rounded and bright.
CSkinPalette Orange() {
    CSkinPalette p;
    p.face = "Liberation Sans";
    p.captionFace = "Liberation Sans";
    p.captionPoints = 15;
    p.label = C(0x5A2E0E);
    p.heading = C(0xB4520F);
    p.caption = C(0xFFFFFF);
    p.outline = EOutline::Rounded;
    p.radius = 30;
    p.bodyTop = C(0xF7A452);
    p.bodyBottom = C(0xD4621C);
    p.rimOuter = C(0x7A3108);
    p.rimInner = C(0xFFD2A0);
    p.titleTop = kNone;
    p.panelTop = C(0xFFF6EA);
    p.panelBottom = C(0xFCE6CC);
    p.panelRim = C(0xC87A3C);
    p.panelHighlight = C(0xFFFFFF);
    p.panelRadius = 14;
    p.well = C(0x1C1410);
    p.wellRim = C(0x8A4A1A);
    p.fieldBack = C(0xFFFFFF);
    p.fieldText = C(0x3A1E08);
    p.fieldRim = C(0xE0A878);
    p.readoutBack = C(0xFDEBD6);
    p.readoutText = C(0x6A3410);
    p.listBack = C(0xFFFDF9);
    p.listText = C(0x3A1E08);
    p.selectedBack = C(0xE8731E);
    p.selectedText = C(0xFFFFFF);
    p.faceTop = C(0xFFD0A0);
    p.faceBottom = C(0xF7A860);
    p.faceRim = C(0xC8641C);
    p.ink = C(0x4A2206);
    p.accentTop = C(0xEE7E2C);
    p.accentBottom = C(0xC4520E);
    p.accentRim = C(0x8A3608);
    p.accentInk = C(0xFFFFFF);
    p.titleFaceTop = C(0xFFE6CC);
    p.titleFaceBottom = C(0xFFC48A);
    p.titleInk = C(0x7A3108);
    p.hoverRing = C(0xFFFFFF);
    p.buttonRadius = 9;
    p.gloss = 0.35;
    p.scrollTrack = C(0xFBEBD8);
    p.scrollFace = C(0xF0A868);
    p.scrollInk = C(0xFFFFFF);
    return p;
}

// For reading rooms: near black, white text, amber read-outs, nothing that glows but the
// selection; cut corners instead of rounded ones.
CSkinPalette Black() {
    CSkinPalette p;
    p.captionPoints = 13;
    p.label = C(0xC8CCD2);
    p.heading = C(0xFFC400);
    p.caption = C(0xFFFFFF);
    p.outline = EOutline::Chamfered;
    p.radius = 18;
    p.bodyTop = C(0x181A1D);
    p.bodyBottom = C(0x0E0F11);
    p.rimOuter = C(0x000000);
    p.rimInner = C(0x3A3F46);
    p.titleTop = C(0x202328);
    p.titleBottom = C(0x17191C);
    p.panelTop = C(0x1D2024);
    p.panelBottom = C(0x1A1C20);
    p.panelRim = C(0x30343A);
    p.panelHighlight = kNone;
    p.panelRadius = 4;
    p.well = C(0x000000);
    p.wellRim = C(0x3A3F46);
    p.fieldBack = C(0x08090A);
    p.fieldText = C(0xFFFFFF);
    p.fieldRim = C(0x4A5058);
    p.readoutBack = C(0x08090A);
    p.readoutText = C(0xFFC400);
    p.listBack = C(0x08090A);
    p.listText = C(0xE6E6E6);
    p.selectedBack = C(0xFFC400);
    p.selectedText = C(0x101010);
    p.faceTop = C(0x2E3238);
    p.faceBottom = C(0x25282D);
    p.faceRim = C(0x4A5058);
    p.ink = C(0xF2F2F2);
    p.accentTop = C(0x3A3420);
    p.accentBottom = C(0x2E2918);
    p.accentRim = C(0xFFC400);
    p.accentInk = C(0xFFC400);
    p.titleFaceTop = C(0x2E3238);
    p.titleFaceBottom = C(0x25282D);
    p.titleInk = C(0xFFFFFF);
    p.hoverRing = C(0xFFC400);
    p.buttonRadius = 3;
    p.scrollTrack = C(0x08090A);
    p.scrollFace = C(0x3A3F46);
    p.scrollInk = C(0xE6E6E6);
    return p;
}

// Clinical blue: a blue frame around white panels and white buttons with blue ink.
CSkinPalette Blue() {
    CSkinPalette p;
    p.face = "Liberation Sans";
    p.captionFace = "Liberation Sans";
    p.captionPoints = 15;
    p.label = C(0x12325C);
    p.heading = C(0x1D5FAE);
    p.caption = C(0xFFFFFF);
    p.outline = EOutline::Rounded;
    p.radius = 16;
    p.bodyTop = C(0x2F72BC);
    p.bodyBottom = C(0x143A6E);
    p.rimOuter = C(0x0A1F3C);
    p.rimInner = C(0x7FB2EA);
    p.titleTop = kNone;
    p.panelTop = C(0xF2F7FD);
    p.panelBottom = C(0xDCE8F6);
    p.panelRim = C(0x6F9ACC);
    p.panelHighlight = C(0xFFFFFF);
    p.panelRadius = 8;
    p.well = C(0x06101E);
    p.wellRim = C(0x4F86C6);
    p.fieldBack = C(0xFFFFFF);
    p.fieldText = C(0x0E2746);
    p.fieldRim = C(0x8DB3DE);
    p.readoutBack = C(0xE4EEFA);
    p.readoutText = C(0x0E2746);
    p.listBack = C(0xFFFFFF);
    p.listText = C(0x0E2746);
    p.selectedBack = C(0x1D6FD0);
    p.selectedText = C(0xFFFFFF);
    p.faceTop = C(0xFFFFFF);
    p.faceBottom = C(0xDDE9F7);
    p.faceRim = C(0x86ACD8);
    p.ink = C(0x1D5FAE);
    p.accentTop = C(0x3A8EE6);
    p.accentBottom = C(0x1A62B8);
    p.accentRim = C(0x134C8E);
    p.accentInk = C(0xFFFFFF);
    p.titleFaceTop = C(0x5E98D8);
    p.titleFaceBottom = C(0x2F6CB2);
    p.titleInk = C(0xFFFFFF);
    p.hoverRing = C(0x2E86E0);
    p.buttonRadius = 5;
    p.gloss = 0.2;
    p.scrollTrack = C(0xEEF4FB);
    p.scrollFace = C(0x9DBFE6);
    p.scrollInk = C(0xFFFFFF);
    return p;
}

// Crimson with gold: bevelled, glossy, its corners bitten out like a frame.
CSkinPalette Red() {
    CSkinPalette p;
    p.label = C(0xF6D8DA);
    p.heading = C(0xFFCF70);
    p.caption = C(0xFFFFFF);
    p.outline = EOutline::Scalloped;
    p.radius = 16;
    p.bodyTop = C(0xA01E2A);
    p.bodyBottom = C(0x5A0C14);
    p.rimOuter = C(0x2A0408);
    p.rimInner = C(0xE0707A);
    p.titleTop = kNone;
    p.panelTop = C(0x7E1622);
    p.panelBottom = C(0x66101A);
    p.panelRim = C(0xB8404C);
    p.panelHighlight = C(0xFFFFFF, 40);
    p.panelRadius = 8;
    p.well = C(0x120204);
    p.wellRim = C(0xC05060);
    p.fieldBack = C(0x2A0609);
    p.fieldText = C(0xFFFFFF);
    p.fieldRim = C(0xB8404C);
    p.readoutBack = C(0x3A0A10);
    p.readoutText = C(0xFFCF70);
    p.listBack = C(0x2A0609);
    p.listText = C(0xF6E0E2);
    p.selectedBack = C(0xFFCF70);
    p.selectedText = C(0x3A0A10);
    p.faceTop = C(0xCC3442);
    p.faceBottom = C(0x8E1824);
    p.faceRim = C(0x3A060C);
    p.ink = C(0xFFFFFF);
    p.accentTop = C(0xFFD680);
    p.accentBottom = C(0xDC9C2C);
    p.accentRim = C(0x7A4A08);
    p.accentInk = C(0x3A0A10);
    p.titleFaceTop = C(0xB42634);
    p.titleFaceBottom = C(0x7A121C);
    p.titleInk = C(0xFFFFFF);
    p.hoverRing = C(0xFFD27A);
    p.buttonRadius = 4;
    p.gloss = 0.3;
    p.bevel = true;
    p.scrollTrack = C(0x2A0609);
    p.scrollFace = C(0x9A1C28);
    p.scrollInk = C(0xFFCF70);
    return p;
}

// Neutral and flat: greys only, no gradients, no gloss, thin lines.
CSkinPalette Gray() {
    CSkinPalette p;
    p.face = "Liberation Sans";
    p.captionFace = "Liberation Sans";
    p.buttonBold = false;
    p.label = C(0x2E3136);
    p.heading = C(0x5A5F66);
    p.caption = C(0x2E3136);
    p.outline = EOutline::Rounded;
    p.radius = 10;
    p.bodyTop = C(0xD3D5D8);
    p.bodyBottom = C(0xD3D5D8);
    p.rimOuter = C(0x7E8288);
    p.rimInner = C(0xECEDEF);
    p.titleTop = kNone;
    p.panelTop = C(0xE7E8EA);
    p.panelBottom = C(0xE7E8EA);
    p.panelRim = C(0xBABDC2);
    p.panelHighlight = kNone;
    p.panelRadius = 4;
    p.well = C(0x1E1F21);
    p.wellRim = C(0x8E9298);
    p.fieldBack = C(0xFFFFFF);
    p.fieldText = C(0x202225);
    p.fieldRim = C(0xA4A8AE);
    p.readoutBack = C(0xF3F4F5);
    p.readoutText = C(0x202225);
    p.listBack = C(0xFFFFFF);
    p.listText = C(0x202225);
    p.selectedBack = C(0x5A5F66);
    p.selectedText = C(0xFFFFFF);
    p.faceTop = C(0xF7F7F8);
    p.faceBottom = C(0xF7F7F8);
    p.faceRim = C(0xA4A8AE);
    p.ink = C(0x2E3136);
    p.accentTop = C(0x5A5F66);
    p.accentBottom = C(0x5A5F66);
    p.accentRim = C(0x44484E);
    p.accentInk = C(0xFFFFFF);
    p.titleFaceTop = C(0xE7E8EA);
    p.titleFaceBottom = C(0xE7E8EA);
    p.titleInk = C(0x2E3136);
    p.hoverRing = C(0x44484E);
    p.buttonRadius = 3;
    p.scrollTrack = C(0xF3F4F5);
    p.scrollFace = C(0xBABDC2);
    p.scrollInk = C(0xFFFFFF);
    return p;
}

// Soft pink, very round: pills, a big outline radius, plum ink.
CSkinPalette Pink() {
    CSkinPalette p;
    p.label = C(0x6A2448);
    p.heading = C(0xC23A78);
    p.caption = C(0x7A1E4A);
    p.outline = EOutline::Rounded;
    p.radius = 40;
    p.bodyTop = C(0xF9CFE0);
    p.bodyBottom = C(0xEC9BBB);
    p.rimOuter = C(0x9A3A64);
    p.rimInner = C(0xFFE6F0);
    p.titleTop = kNone;
    p.panelTop = C(0xFFF7FA);
    p.panelBottom = C(0xFFEBF3);
    p.panelRim = C(0xE890B6);
    p.panelHighlight = C(0xFFFFFF);
    p.panelRadius = 16;
    p.well = C(0x1E0C16);
    p.wellRim = C(0xC86A96);
    p.fieldBack = C(0xFFFFFF);
    p.fieldText = C(0x4A1432);
    p.fieldRim = C(0xF0A8C6);
    p.readoutBack = C(0xFFEDF4);
    p.readoutText = C(0x6A2448);
    p.listBack = C(0xFFFFFF);
    p.listText = C(0x4A1432);
    p.selectedBack = C(0xE0588F);
    p.selectedText = C(0xFFFFFF);
    p.faceTop = C(0xFFDCEA);
    p.faceBottom = C(0xF6B0CC);
    p.faceRim = C(0xD9789F);
    p.ink = C(0x7A1E4A);
    p.accentTop = C(0xEC6CA0);
    p.accentBottom = C(0xCC3F78);
    p.accentRim = C(0x9A2C5A);
    p.accentInk = C(0xFFFFFF);
    p.titleFaceTop = C(0xFFFFFF);
    p.titleFaceBottom = C(0xFFDDEA);
    p.titleInk = C(0x9A3A64);
    p.hoverRing = C(0xCC3F78);
    p.buttonRadius = -1;
    p.gloss = 0.5;
    p.scrollTrack = C(0xFFF0F6);
    p.scrollFace = C(0xF4A9C8);
    p.scrollInk = C(0xFFFFFF);
    return p;
}

// The richest: midnight blue with a woven texture, gold trim, bevelled glossy buttons and a
// crowned outline around a serif caption.
CSkinPalette Deluxe() {
    CSkinPalette p;
    p.captionFace = "DejaVu Serif";
    p.captionPoints = 15;
    p.label = C(0xE2D6B8);
    p.heading = C(0xE8C36A);
    p.caption = C(0xF6E3A8);
    p.outline = EOutline::Crowned;
    p.radius = 22;
    p.bodyTop = C(0x23324F);
    p.bodyBottom = C(0x0C1222);
    p.texture = 2;
    p.textureInk = C(0xFFFFFF, 9);
    p.rimOuter = C(0x05080F);
    p.rimInner = C(0xC9A24A);
    p.titleTop = C(0x31456E);
    p.titleBottom = C(0x1A2540);
    p.panelTop = C(0x1F2C4A);
    p.panelBottom = C(0x131B30);
    p.panelRim = C(0x8A7034);
    p.panelHighlight = C(0xFFFFFF, 48);
    p.panelRadius = 10;
    p.ornate = true;
    p.well = C(0x03050A);
    p.wellRim = C(0xC9A24A);
    p.fieldBack = C(0x0A0F1C);
    p.fieldText = C(0xF4ECD6);
    p.fieldRim = C(0x8A7034);
    p.readoutBack = C(0x0A0F1C);
    p.readoutText = C(0xE8C36A);
    p.listBack = C(0x0A0F1C);
    p.listText = C(0xE6DFC8);
    p.selectedBack = C(0xC9A24A);
    p.selectedText = C(0x141C32);
    p.faceTop = C(0x40548A);
    p.faceBottom = C(0x1E2A4A);
    p.faceRim = C(0x9A7E3C);
    p.ink = C(0xF4E3B0);
    p.accentTop = C(0xF6DC8C);
    p.accentBottom = C(0xB4862A);
    p.accentRim = C(0x6A4E12);
    p.accentInk = C(0x1A1406);
    p.titleFaceTop = C(0x40548A);
    p.titleFaceBottom = C(0x1E2A4A);
    p.titleInk = C(0xF4E3B0);
    p.hoverRing = C(0xF2D37A);
    p.buttonRadius = 6;
    p.gloss = 0.45;
    p.bevel = true;
    p.scrollTrack = C(0x0A0F1C);
    p.scrollFace = C(0x3A4C78);
    p.scrollInk = C(0xE8C36A);
    return p;
}

}  // namespace SkinPalettes
