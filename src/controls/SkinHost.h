#pragma once

#include <QImage>
#include <QString>
#include <string>

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
    // Every combo drop button of a skin opens or closes the list of the skin's first combo box.
    virtual void ToggleFirstComboList() = 0;
    // Every combo box's drop-down list hands the chosen row's text to the skin's first combo box.
    virtual void SelectFirstComboItem(const QString& text) = 0;

    // A copy of the skin's background picture; controls take the pixels under them from it.
    virtual const QImage& BackgroundCanvas() const = 0;

    // The host of `control`: the nearest ancestor within its window that is one, or nullptr.
    static CSkinHost* Of(const QWidget* control);

    // The part of the host's background canvas that lies under `control`, as an image of the
    // control's size. Whatever lies outside the canvas (or everything, without a host) is
    // transparent, so the window beneath shows there instead of made-up pixels.
    static QImage BackgroundUnder(const QWidget* control);

protected:
    ~CSkinHost() = default;
};

// What a button on the task-bar notifier needs of the popup that holds it.
class CNotifierHost {
public:
    virtual void BeginSlideOut(const std::string& name) = 0;

    static CNotifierHost* Of(const QWidget* control);

protected:
    ~CNotifierHost() = default;
};
