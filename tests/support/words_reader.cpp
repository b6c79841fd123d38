// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/words_reader.h"

#include <array>
#include <vector>

namespace velmora::testing {

namespace {

// Where a numeral stands in its group of three digits.
enum class Place { hundreds, tens, teen, unit };

struct Numeral {
    std::string_view word;
    Place place;
    int value;
};

// Entry d - 1 names the digit d in its place; one and two are in their masculine forms here.
constexpr std::array<std::string_view, 9> unitWords = {"един", "два",   "три",  "четири", "пет",
                                                       "шест", "седем", "осем", "девет"};
constexpr std::array<std::string_view, 9> teenWords = {
    "единадесет",  "дванадесет",   "тринадесет",  "четиринадесет", "петнадесет",
    "шестнадесет", "седемнадесет", "осемнадесет", "деветнадесет"};
constexpr std::array<std::string_view, 9> tensWords = {"десет",       "двадесет",  "тридесет",
                                                       "четиридесет", "петдесет",  "шестдесет",
                                                       "седемдесет",  "осемдесет", "деветдесет"};
constexpr std::array<std::string_view, 9> hundredsWords = {
    "сто",        "двеста",      "триста",     "четиристотин", "петстотин",
    "шестстотин", "седемстотин", "осемстотин", "деветстотин"};

// The other forms of one and two; which form a line may use depends on its scale.
constexpr std::array<Numeral, 3> otherForms = {{
    {"една", Place::unit, 1},
    {"едно", Place::unit, 1},
    {"две", Place::unit, 2},
}};

struct ScaleName {
    std::string_view plural;
    std::string_view singular;
};

// By power of 1000; the units group has no scale word.
constexpr std::array<ScaleName, 22> scaleNames = {{
    {"", ""},
    {"хиляди", "хиляда"},
    {"милиона", "милион"},
    {"милиарда", "милиард"},
    {"трилиона", "трилион"},
    {"квадралиона", "квадралион"},
    {"квинтилиона", "квинтилион"},
    {"секстилиона", "секстилион"},
    {"септилиона", "септилион"},
    {"октилиона", "октилион"},
    {"нонилиона", "нонилион"},
    {"децилиона", "децилион"},
    {"индецилиона", "индецилион"},
    {"дуодецилиона", "дуодецилион"},
    {"тридецилиона", "тридецилион"},
    {"куадродецилиона", "куадродецилион"},
    {"куиндецилиона", "куиндецилион"},
    {"сексдецилиона", "сексдецилион"},
    {"септемдецилиона", "септемдецилион"},
    {"октодецилиона", "октодецилион"},
    {"новемдецилиона", "новемдецилион"},
    {"вигинтилиона", "вигинтилион"},
}};

constexpr std::string_view conjunction = "и";

struct NotUnderstood {
    std::string why;
};

struct Scale {
    int power = 0;
    bool singular = false;
};

struct Group {
    int power;
    int value;
};

// The numerals of one line: their value, how many there are, and where the last one stands.
struct NumeralRun {
    int value = 0;
    int count = 0;
    std::size_t last = 0;
    std::string_view unitWord;
};

std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::vector<std::string_view> wordsOfLine(std::string_view line) {
    std::vector<std::string_view> words;
    for (const std::string_view piece : split(line, " ")) {
        if (!piece.empty()) {
            words.push_back(piece);
        }
    }
    return words;
}

std::optional<Numeral> findNumeral(std::string_view word) {
    for (int digit = 1; digit <= 9; ++digit) {
        const auto at = static_cast<std::size_t>(digit - 1);
        if (word == unitWords[at]) {
            return Numeral{word, Place::unit, digit};
        }
        if (word == teenWords[at]) {
            return Numeral{word, Place::teen, 10 + digit};
        }
        if (word == tensWords[at]) {
            return Numeral{word, Place::tens, 10 * digit};
        }
        if (word == hundredsWords[at]) {
            return Numeral{word, Place::hundreds, 100 * digit};
        }
    }
    for (const Numeral& form : otherForms) {
        if (form.word == word) {
            return form;
        }
    }
    return std::nullopt;
}

std::optional<Scale> findScale(std::string_view word) {
    for (std::size_t power = 1; power < scaleNames.size(); ++power) {
        if (scaleNames[power].plural == word || scaleNames[power].singular == word) {
            return Scale{static_cast<int>(power), scaleNames[power].singular == word};
        }
    }
    return std::nullopt;
}

// One and two take the neuter in the units group, the feminine before "хиляди" and the masculine
// before the millions and above; three to nine have one form.
std::string_view unitWordFor(int digit, int power) {
    if (digit == 1) {
        return power == 0 ? "едно" : power == 1 ? "една" : "един";
    }
    if (digit == 2) {
        return power < 2 ? "две" : "два";
    }
    return unitWords.at(static_cast<std::size_t>(digit - 1));
}

// Hundreds come first, then tens or a teen, then units; "десет" and the teens leave no room for
// a units word.
void takePlace(const Numeral& numeral, NumeralRun& run, bool& tensTaken, bool& unitsTaken) {
    const bool fits = numeral.place == Place::hundreds ? run.count == 0
                      : numeral.place == Place::unit   ? !unitsTaken
                                                       : !tensTaken && !unitsTaken;
    if (!fits) {
        throw NotUnderstood{"\"" + std::string(numeral.word) + "\" out of place"};
    }
    tensTaken = tensTaken || numeral.place == Place::tens || numeral.place == Place::teen;
    unitsTaken = unitsTaken || numeral.place == Place::unit || numeral.place == Place::teen ||
                 numeral.value == 10;
}

NumeralRun readNumerals(const std::vector<std::string_view>& words) {
    NumeralRun run;
    bool tensTaken = false;
    bool unitsTaken = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == conjunction) {
            continue;
        }
        const std::optional<Numeral> numeral = findNumeral(words[i]);
        if (!numeral) {
            throw NotUnderstood{"unknown word \"" + std::string(words[i]) + "\""};
        }
        takePlace(*numeral, run, tensTaken, unitsTaken);
        run.value += numeral->value;
        ++run.count;
        run.last = i;
        if (numeral->place == Place::unit) {
            run.unitWord = numeral->word;
        }
    }
    if (run.count == 0) {
        throw NotUnderstood{"a scale word without a number"};
    }
    return run;
}

void checkForms(const NumeralRun& run, Scale scale) {
    if (!run.unitWord.empty()) {
        const std::string_view expected = unitWordFor(run.value % 10, scale.power);
        if (run.unitWord != expected) {
            throw NotUnderstood{"\"" + std::string(run.unitWord) + "\" where the scale needs \"" +
                                std::string(expected) + "\""};
        }
    }
    if (scale.singular && run.value != 1) {
        throw NotUnderstood{"a singular scale word after " + std::to_string(run.value)};
    }
    if (!scale.singular && scale.power > 0 && run.value == 1) {
        throw NotUnderstood{"a plural scale word after one"};
    }
}

// One "и", right before the last numeral, when the line has more than one numeral or is the last
// line after higher groups; none otherwise.
void checkConjunction(const std::vector<std::string_view>& words, const NumeralRun& run,
                      bool lastAfterHigherGroups) {
    const bool wanted = run.count > 1 || lastAfterHigherGroups;
    if (wanted && (run.last == 0 || words[run.last - 1] != conjunction)) {
        throw NotUnderstood{"no \"и\" before the last word"};
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == conjunction && !(wanted && i + 1 == run.last)) {
            throw NotUnderstood{"\"и\" out of place"};
        }
    }
}

// "хиляда" stands alone, or after "и" as the last line after higher groups.
Group readThousand(const std::vector<std::string_view>& words, bool lastAfterHigherGroups) {
    const std::vector<std::string_view> expected = lastAfterHigherGroups
                                                       ? std::vector<std::string_view>{conjunction}
                                                       : std::vector<std::string_view>{};
    if (words != expected) {
        throw NotUnderstood{lastAfterHigherGroups ? "no \"и\" before a last \"хиляда\""
                                                  : "\"хиляда\" after other words"};
    }
    return {1, 1};
}

Group readLine(std::string_view line, bool lastAfterHigherGroups) {
    std::vector<std::string_view> words = wordsOfLine(line);
    if (words.empty()) {
        throw NotUnderstood{"an empty line"};
    }
    Scale scale;
    if (const std::optional<Scale> named = findScale(words.back())) {
        scale = *named;
        words.pop_back();
    }
    if (scale.power == 1 && scale.singular) {
        return readThousand(words, lastAfterHigherGroups);
    }
    const NumeralRun run = readNumerals(words);
    checkForms(run, scale);
    checkConjunction(words, run, lastAfterHigherGroups);
    return {scale.power, run.value};
}

std::string digitsOf(const std::vector<Group>& groups) {
    const int top = groups.front().power;
    std::string digits(static_cast<std::size_t>(3 * (top + 1)), '0');
    for (const Group& group : groups) {
        const std::size_t at = static_cast<std::size_t>(3 * (top - group.power));
        digits[at] = static_cast<char>('0' + group.value / 100);
        digits[at + 1] = static_cast<char>('0' + group.value / 10 % 10);
        digits[at + 2] = static_cast<char>('0' + group.value % 10);
    }
    return digits.substr(digits.find_first_not_of('0'));
}

std::string readGroups(std::string_view words) {
    std::vector<std::string_view> lines = split(words, "\r\n");
    if (lines.back().empty()) {
        lines.pop_back();  // the text ended with a line break
    }
    if (lines.empty()) {
        throw NotUnderstood{"no words"};
    }
    std::vector<Group> groups;
    for (const std::string_view line : lines) {
        const bool last = line.data() == lines.back().data();
        const Group group = readLine(line, last && !groups.empty());
        if (!groups.empty() && group.power >= groups.back().power) {
            throw NotUnderstood{"scale 1000^" + std::to_string(group.power) + " after 1000^" +
                                std::to_string(groups.back().power)};
        }
        groups.push_back(group);
    }
    return digitsOf(groups);
}

}  // namespace

ReadBack readBack(std::string_view words) {
    if (words == "Нула\r\n") {
        return {"0", ""};
    }
    try {
        return {readGroups(words), ""};
    } catch (const NotUnderstood& notUnderstood) {
        return {std::nullopt, notUnderstood.why};
    }
}

std::optional<std::string> readBackDigits(std::string_view words) {
    return readBack(words).digits;
}

std::optional<std::string_view> wordsPartOf(std::string_view report) {
    constexpr std::string_view heading = "Сумата словом:\r\n";
    const std::size_t at = report.find(heading);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return report.substr(at + heading.size());
}

}  // namespace velmora::testing
