#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "controls/SkinHost.h"

// A window that holds controls the way the skin window does and writes down every event they
// report, as "button 2", "slider 0 3600" and the like.
class CRecordingHost : public QWidget, public CSkinHost {
public:
    explicit CRecordingHost(QSize size = QSize(300, 200));

    void OnButtonIndex(int index) override { Record("button " + std::to_string(index)); }
    void OnOptionIndex(int index) override { Record("option " + std::to_string(index)); }
    void OnCheckIndex(int index) override { Record("check " + std::to_string(index)); }
    void OnSliderIndex(int index, int position) override {
        Record("slider " + std::to_string(index) + " " + std::to_string(position));
    }
    void OnSkinListClick() override { Record("list"); }
    void ToggleFirstComboList() override { Record("combo"); }
    void SelectFirstComboItem(const QString& text) override {
        Record("combo item '" + text.toStdString() + "'");
    }
    const QImage& BackgroundCanvas() const override { return canvas; }

    // Shows the window, makes it the active one and waits until it is on screen.
    bool ShowActive();

    std::vector<std::string> events;
    // Called with every event as it is reported, while the reporting control is still at work.
    std::function<void(const std::string& event)> onEvent;
    // A pattern that differs at every pixel, so a control that copies it shows where from.
    QImage canvas;

private:
    void Record(std::string event) {
        events.push_back(event);
        if (onEvent) {
            onEvent(event);
        }
    }
};

// The canvas pattern at (x, y).
QRgb CanvasPixel(int x, int y);

// A strip of four frames of `frame` size, frame k filled with colours[k].
QImage Strip(QSize frame, const std::array<QRgb, 4>& colours);

// The widget's pixels as the screen would show them, as opaque RGB32.
QImage Shot(QWidget& widget);
