// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/report_layout.h"

#include <vector>

namespace velmora::testing {

namespace {

constexpr std::string_view lineBreak = "\r\n";

struct Lines {
    std::vector<std::string_view> lines;
    bool lastEndsWithLineBreak = true;
};

Lines splitLines(std::string_view text) {
    Lines result;
    std::size_t start = 0;
    for (std::size_t at = text.find(lineBreak); at != std::string_view::npos;
         at = text.find(lineBreak, start)) {
        result.lines.push_back(text.substr(start, at - start));
        start = at + lineBreak.size();
    }
    if (start < text.size()) {
        result.lines.push_back(text.substr(start));
        result.lastEndsWithLineBreak = false;
    }
    return result;
}

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A sign and digits; an operand typed without digits is its sign alone.
bool isSignedDigits(std::string_view text, bool signAlone = false) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) {
        return false;
    }
    const std::string_view digits = text.substr(1);
    return digits.empty() ? signAlone : isDigits(digits);
}

bool withoutZerosAtTheLeft(std::string_view digits) {
    return digits == "0" || digits.front() != '0';
}

int nonZeroGroups(std::string_view digits) {
    int count = 0;
    for (std::size_t end = digits.size(); end > 0; end = end > 3 ? end - 3 : 0) {
        const std::size_t start = end > 3 ? end - 3 : 0;
        if (digits.substr(start, end - start).find_first_not_of('0') != std::string_view::npos) {
            ++count;
        }
    }
    return count;
}

std::string quoted(std::string_view line) {
    return "\"" + std::string(line) + "\"";
}

bool endsInCountingForm(std::string_view line) {
    return line.ends_with(" едно ") || line.ends_with(" две ");
}

std::optional<std::string> groupLineFault(std::string_view line) {
    if (line.find("  ") != std::string_view::npos) {
        return "two blanks in a row in " + quoted(line);
    }
    if (line.find_first_of("\r\n") != std::string_view::npos) {
        return "a stray line-break character in " + quoted(line);
    }
    if (line.find(" и и ") != std::string_view::npos || line.ends_with(" и и")) {
        return "\"и и\" in " + quoted(line);
    }
    if (!line.starts_with(" ") && !line.starts_with("един ")) {
        return "a group line that starts with neither a blank nor \"един\": " + quoted(line);
    }
    return std::nullopt;
}

std::optional<std::string> groupLinesFault(const Lines& report, std::string_view digits) {
    const std::vector<std::string_view> lines(report.lines.begin() + 3, report.lines.end());
    if (digits == "0") {
        const bool nula = lines.size() == 1 && lines.front() == "Нула";
        return nula && report.lastEndsWithLineBreak
                   ? std::nullopt
                   : std::optional<std::string>("zero without Нула");
    }
    if (static_cast<int>(lines.size()) != nonZeroGroups(digits)) {
        return std::to_string(lines.size()) + " group lines for " + std::string(digits);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const std::optional<std::string> fault = groupLineFault(lines[i])) {
            return fault;
        }
        const bool last = i + 1 == lines.size();
        const bool endsWithLineBreak = !last || report.lastEndsWithLineBreak;
        if (endsInCountingForm(lines[i]) == endsWithLineBreak) {
            return (endsWithLineBreak ? "a line break after " : "no line break after ") +
                   quoted(lines[i]);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> wordsReportLayoutFault(std::string_view fromDigitString) {
    const Lines report = splitLines(fromDigitString);
    if (report.lines.size() < 4) {
        return "fewer than four lines: " + quoted(fromDigitString);
    }
    const std::string_view digits = report.lines[0];
    if (!isDigits(digits) || !withoutZerosAtTheLeft(digits)) {
        return "not a digit string: " + quoted(digits);
    }
    const std::string count = "Абсолютната стойност на сумата е с " +
                              std::to_string(digits.size()) +
                              (digits.size() == 1 ? " брой цифри " : " броя цифри ");
    if (report.lines[1] != count) {
        return "digit count line " + quoted(report.lines[1]);
    }
    if (report.lines[2] != "Сумата словом:") {
        return "heading " + quoted(report.lines[2]);
    }
    return groupLinesFault(report, digits);
}

std::optional<std::string> reportLayoutFault(std::string_view report) {
    const Lines lines = splitLines(report);
    if (lines.lines.size() < 9) {
        return "fewer than nine lines: " + quoted(report);
    }
    const std::string_view first = lines.lines[0];
    const std::string_view second = lines.lines[1];
    if (!first.starts_with("Число 1: ") || !second.starts_with("Число 2: ")) {
        return "operand lines " + quoted(first) + ", " + quoted(second);
    }
    const std::string_view digits1 = first.substr(std::string_view("Число 1: ").size());
    const std::string_view digits2 = second.substr(std::string_view("Число 2: ").size());
    if (!isSignedDigits(digits1, true) || digits1.size() != digits2.size() ||
        !isSignedDigits(digits2, true)) {
        return "operands " + quoted(digits1) + ", " + quoted(digits2);
    }
    if (lines.lines[2] != digits1 || lines.lines[3] != digits2) {
        return "operand repeated as " + quoted(lines.lines[2]) + ", " + quoted(lines.lines[3]);
    }
    const std::string_view result = lines.lines[4];
    if (!isSignedDigits(result) || !withoutZerosAtTheLeft(result.substr(1)) || result == "-0") {
        return "result " + quoted(result);
    }
    const auto wordsStart =
        static_cast<std::size_t>(result.data() - report.data()) + result.size() + lineBreak.size();
    const std::string_view words = report.substr(wordsStart);
    if (!words.starts_with(std::string(result.substr(1)) + std::string(lineBreak))) {
        return "digit string other than the result " + quoted(result);
    }
    return wordsReportLayoutFault(words);
}

}  // namespace velmora::testing
