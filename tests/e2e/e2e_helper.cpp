// e2e_helper drag FILE: a drag source for the end-to-end suite, another X client as a file
// manager is. It shows a small window; pressing the mouse in it drags FILE until the button is
// released over a window. It then prints "taken" or "refused" and goes on serving the dragged
// data (the target fetches it after the drop) until it is ended.
#include <QApplication>
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
    if (arguments.size() == 3 && arguments[1] == "drag") {
        CDragSource source(arguments[2]);
        source.move(0, 0);
        source.show();
        return QApplication::exec();
    }
    std::fprintf(stderr, "usage: e2e_helper drag FILE\n");
    return 2;
}
