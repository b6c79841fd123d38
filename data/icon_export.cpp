// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window's icon as PNG files for the hicolor theme: DIR/NxN/velmora.png for each size N
// named on the command line. Runs at build time under the offscreen platform. With --qt-version
// it prints the version of the Qt that draws, which the page records among its tools.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <QtGlobal>
#include <cstdio>
#include <string_view>

#include "window/app_icon.h"

namespace {

bool exportIcon(const QDir& root, int size) {
    const QString folder = QStringLiteral("%1x%1").arg(size);
    if (!root.mkpath(folder)) {
        return false;
    }
    const QImage image = velmora::velmoraIconImage(size);
    return image.width() == size && image.height() == size &&
           image.save(root.filePath(folder + QStringLiteral("/velmora.png")), "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string_view(argv[1]) == "--qt-version") {
        std::puts(qVersion());
        return 0;
    }
    const QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        err << "usage: velmora_icon_export DIR SIZE...\n";
        return 2;
    }
    const QDir root(args.at(1));
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args.at(i).toInt(&isNumber);
        if (!isNumber || size <= 0 || !exportIcon(root, size)) {
            err << "velmora_icon_export: cannot write the icon of size " << args.at(i) << "\n";
            return 1;
        }
    }
    return 0;
}
