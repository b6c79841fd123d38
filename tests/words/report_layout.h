// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A layout check for tests: the lines, line breaks and blanks of a report, apart from what its
// words mean (the words reader reads those). The words part holds one line per non-zero group of
// three digits; every line ends with CR LF except a last line that ends in " едно " or " две ";
// no line has two blanks in a row and no "и" follows another. No blank pair is allowed at all:
// the only pieces that end in a blank (" хиляда ", " едно ", " две " and the units group's empty
// scale word) are always followed by a line break or end the report, and every other piece
// begins with one blank.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::testing {

// The first fault of a whole compute report, or nullopt: the two operand lines, the three result
// lines, and the report in words after them.
std::optional<std::string> reportLayoutFault(std::string_view report);

// The same from the digit-string line on, as the report in words writes it.
std::optional<std::string> wordsReportLayoutFault(std::string_view fromDigitString);

}  // namespace velmora::testing
