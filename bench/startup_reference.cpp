// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up reference: Qt's "hello world" of the same build, a window of Velmora's size with
// one label, as little as a Qt Widgets program can show.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Hello, world"));
    window.resize(625, 431);
    window.show();
    return QApplication::exec();
}
