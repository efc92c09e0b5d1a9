#pragma once

#include <QImage>
#include <QString>

class QWidget;

// What a skinned control needs of the window that holds it. Controls report their events by
// calling it directly and synchronously with their index; the skin window implements it and
// turns the index into a control name. Keeping the interface here lets controls stay free of
// the skin engine.
class CSkinHost {
public:
    virtual void OnButtonIndex(int index) = 0;
    virtual void OnOptionIndex(int index) = 0;
    virtual void OnCheckIndex(int index) = 0;
    virtual void OnSliderIndex(int index, int position) = 0;
    virtual void OnSkinListClick() = 0;
    // Every combo box's drop-down list hands the chosen row's text to the skin's first combo box.
    virtual void SelectFirstComboItem(const QString& text) = 0;

    // A copy of the skin's background picture; controls take the pixels under them from it.
    virtual const QImage& BackgroundCanvas() const = 0;

    // The host of `control`: the nearest ancestor window that is one, or nullptr.
    static CSkinHost* Of(const QWidget* control);

protected:
    ~CSkinHost() = default;
};
