// The least a Qt Widgets program can do to show a window with text: the yardstick for the
// game's first frame (see first_frame.cpp). It shows the game's title, so that it too loads a
// face that shows Japanese.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("ガチャポコ"), &window);
    window.resize(201, 273);
    window.show();
    return QApplication::exec();
}
