// Starts the program: one window, shown until the user closes it.

#include <QApplication>
#include <QTranslator>

#include "window/qt_translation.h"
#include "window/velmora.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Installed before the window is built, so every text Qt supplies comes up in Bulgarian.
    QTranslator qtTexts;
    velmora::installQtTranslation(qtTexts);
    velmora::Velmora window;
    window.show();
    return QApplication::exec();
}
