// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A reader for tests: it reads the words part of a report (the lines after "Сумата словом:") back
// into the decimal digits they name. It has a vocabulary of its own and understands only correct
// Bulgarian: one and two agree with the scale ("едно", "една хиляди", "един милион"), "хиляда"
// stands alone, one conjunction "и" goes before the last word of a line and before the only word
// of the last line after higher ones, and the scales fall from line to line. Anything else is not
// understood. Blanks and line ends are not its business (see the layout check of the words tests):
// words are split at blanks, lines at CR LF.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::testing {

struct ReadBack {
    std::optional<std::string> digits;  // without zeros at the left; "0" for "Нула"
    std::string fault;                  // why the text was not understood, when digits is empty
};

ReadBack readBack(std::string_view words);

// The digits that the words name, or nullopt for anything the reader does not understand.
std::optional<std::string> readBackDigits(std::string_view words);

// The words part of a whole report: the text after its heading line.
std::optional<std::string_view> wordsPartOf(std::string_view report);

}  // namespace velmora::testing
