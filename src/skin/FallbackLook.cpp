#include "FallbackLook.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kPreferredSize(800, 600);
constexpr int kMargin = 16;
constexpr int kMessageHeight = 40;
constexpr QSize kButtonSize(96, 28);

}  // namespace

CFallbackLook::CFallbackLook(QDialog& window)
    : QWidget(&window), m_message(new QLabel(this)), m_close(new QPushButton(tr("Close"), this)) {
    setAutoFillBackground(true);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_close, &QPushButton::clicked, &window, &QDialog::accept);
}

void CFallbackLook::SetMessage(const QString& text) {
    m_message->setText(text);
}

QString CFallbackLook::Message() const {
    return m_message->text();
}

QSize CFallbackLook::WindowSize(const QRect& workArea) {
    const QSize room = workArea.size() * 9 / 10;
    return kPreferredSize.boundedTo(room).expandedTo(QSize(320, 240));
}

QRect CFallbackLook::ContentArea(const QSize& size) {
    const int top = kMargin + kMessageHeight + kMargin / 2;
    const int bottom = size.height() - kMargin - kButtonSize.height() - kMargin / 2;
    return QRect(kMargin, top, size.width() - 2 * kMargin, std::max(0, bottom - top));
}

void CFallbackLook::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_message->setGeometry(kMargin, kMargin, width() - 2 * kMargin, kMessageHeight);
    m_close->setGeometry(width() - kMargin - kButtonSize.width(), height() - kMargin - kButtonSize.height(),
                         kButtonSize.width(), kButtonSize.height());
}
