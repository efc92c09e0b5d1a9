// What the end-to-end suite needs of another X client beside the viewer:
//   e2e_helper drag FILE   shows a small window; pressing the mouse in it drags FILE as a file
//                          manager does, until the button is released over a window. It then
//                          prints "taken" or "refused" and goes on serving the dragged data
//                          (the target fetches it after the drop) until it is ended.
//   e2e_helper clipboard   prints the text of the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class CDragSource : public QWidget {
public:
    explicit CDragSource(QString path) : m_path(std::move(path)) {
        setWindowTitle("e2e drag source");
        resize(80, 80);
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::darkGreen));
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(m_path)});
        data->setText(QUrl::fromLocalFile(m_path).toString());
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        std::printf("%s\n", action == Qt::CopyAction ? "taken" : "refused");
        std::fflush(stdout);
    }

private:
    QString m_path;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2 && arguments[1] == "clipboard") {
        std::printf("%s", QGuiApplication::clipboard()->text().toUtf8().constData());
        return 0;
    }
    if (arguments.size() == 3 && arguments[1] == "drag") {
        CDragSource source(arguments[2]);
        source.move(0, 0);
        source.show();
        return QApplication::exec();
    }
    std::fprintf(stderr, "usage: e2e_helper drag FILE | e2e_helper clipboard\n");
    return 2;
}
