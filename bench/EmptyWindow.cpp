// bench_empty_window: an empty Qt window that shows itself and waits, the baseline of the start-up benchmark:
// what any Qt Widgets program pays to start, show a window and paint it. With --text the window holds one label,
// so it also pays for what any window that shows text pays first: loading the font configuration and a font.
// The benchmark times it until it is idle, as it times tervala, and then ends it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(784, 568); // the size of the browser window
    if (QCoreApplication::arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Boys' names"), &window);
    window.show();
    return QApplication::exec();
}
