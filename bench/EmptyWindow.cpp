// bench_empty_window: an empty Qt window that quits right after its first paint, the floor of the start-up
// benchmark: what any Qt Widgets program pays to start, show a window and paint it once.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QWidget::paintEvent(event);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaintWindow window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
