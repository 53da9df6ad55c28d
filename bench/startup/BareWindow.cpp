// The yardstick of the start-up benchmark: an empty Qt Widgets window of the main window's size,
// with nothing done before it is shown.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(724, 324);
    window.show();
    return app.exec();
}
