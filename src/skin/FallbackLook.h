#pragma once

#include <QRect>
#include <QWidget>

class QDialog;
class QLabel;
class QPushButton;

// The plain look a skin window falls back on when no skin could be loaded: a panel over the
// whole window with a line saying where skin packages were looked for, room for the window's
// content and a Close button that ends the dialog as the skins' own close buttons do. Presses
// on the panel reach the window, so it is still dragged and its window menu still opens.
class CFallbackLook : public QWidget {
    Q_OBJECT

public:
    explicit CFallbackLook(QDialog& window);

    void SetMessage(const QString& text);
    QString Message() const;
    QPushButton* CloseButton() const { return m_close; }

    // A window size that fits `workArea` with room to spare.
    static QSize WindowSize(const QRect& workArea);
    // Where the window's content goes, in the window's coordinates, for a window of `size`.
    static QRect ContentArea(const QSize& size);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_message;
    QPushButton* m_close;
};
