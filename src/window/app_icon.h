// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's icon, drawn in code: a rounded square in the window's colours with a sum sign.
// velmoraIconImage draws it at any size; velmoraIcon draws it on demand at the sizes asked for.

#include <QIcon>
#include <QImage>

namespace velmora {

QImage velmoraIconImage(int size);
QIcon velmoraIcon();

}  // namespace velmora
