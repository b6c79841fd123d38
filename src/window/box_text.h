// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the boxes at the edge between the calculator and the widgets: the calculator keeps
// UTF-8 with CR LF line breaks, the widgets QString with plain line feeds.

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

// A UTF-8 text of the program as Qt holds it.
QString fromUtf8(std::string_view text);

// What a widget shows for a text of the calculator: CR LF becomes one line break.
QString toWidgetText(std::string_view text);

// What the calculator reads from a widget's text: every line break becomes CR LF.
std::string fromWidgetText(const QString& text);

QString withCrLf(QString text);

}  // namespace velmora
