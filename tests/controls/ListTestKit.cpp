#include "ListTestKit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "controls/SkinListBase.h"
#include "controls/SkinScrollBar.h"

SScrollPictures::SScrollPictures(const std::string& missing) {
    QImage track = SolidPicture(16, 8, kTrackTop);
    for (int y = 4; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            track.setPixel(x, y, kTrackBottom);
        }
    }
    const std::array<std::pair<const char*, QImage>, 7> pictures = {{
        {"track.bmp", track},
        {"up.bmp", SolidPicture(16, 16, kUp)},
        {"upa.bmp", SolidPicture(16, 16, kUpActive)},
        {"down.bmp", SolidPicture(16, 16, kDown)},
        {"downa.bmp", SolidPicture(16, 16, kDownActive)},
        {"thumb.bmp", SolidPicture(16, 16, kThumb)},
        {"thumba.bmp", SolidPicture(16, 16, kThumbActive)},
    }};
    for (size_t i = 0; i < pictures.size(); ++i) {
        paths[i] = m_folder.File(pictures[i].first);
        if (missing != pictures[i].first) {
            m_folder.Picture(pictures[i].first, pictures[i].second);
        }
    }
}

void SScrollPictures::LoadInto(CSkinScrollBar& bar) const {
    bar.LoadPictures(paths[0], paths[1], paths[2], paths[3], paths[4], paths[5], paths[6]);
}

void SScrollPictures::AttachTo(CSkinListBase& list) const {
    list.AttachScrollBar(paths[0], paths[1], paths[2], paths[3], paths[4], paths[5], paths[6]);
}

void Hover(QWidget& widget, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}
