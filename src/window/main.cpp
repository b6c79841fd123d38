// Starts the program: one window, shown until the user closes it.

#include <QApplication>

#include "window/velmora.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    velmora::Velmora window;
    window.show();
    return QApplication::exec();
}
