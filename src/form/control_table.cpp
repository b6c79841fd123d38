// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/control_table.h"

#include <array>

#include "form/commands.h"
#include "form/task_statement.h"

namespace velmora {

namespace {

constexpr Rgb labelColour{255, 192, 128};
constexpr Rgb computeColour{0, 255, 0};
constexpr Rgb boxColour{255, 255, 255};
constexpr Rgb black{0, 0, 0};

constexpr std::string_view taskTip =
    "Задачата, върху която е построено упражнението, с имената на големите числа";
constexpr std::string_view operandTip =
    "Цяло число до 65 знака; за отрицателно число напишете „-“ най-отпред";
constexpr std::string_view resultTip = "Резултатът от събирането на двете числа, със знак";
constexpr std::string_view reportTip =
    "Двете числа, резултатът, броят на цифрите му и резултатът словом, по един ред за всяка "
    "група от три цифри";
constexpr std::string_view computeTip = "Изчислява сумата на двете числа и я изписва словом";
constexpr std::string_view clearTip = "Изчиства всички въведени стойности и получени резултати";

using enum ControlArray;

}  // namespace

std::string windowCaption() {
    return std::string(captionText);
}

std::span<const ControlDescriptor> controlTable() {
    // clang-format off
    static const std::array<ControlDescriptor, 11> table{{
        // array, index, place in twips, tab index, text,
        //     multi-line, read-only, limit, background, text colour, centred, tooltip, name,
        //     the box a label names
        {etiket, 0, {2040, 120, 4815, 375}, 3, "Информатика - сумата словом",
            false, false, 0, labelColour, black, true, {}, "Информатика - сумата словом", {}},
        {pole, taskBox, {120, 720, 9135, 1815}, 0, taskStatement(),
            true, true, 0, boxColour, black, false, taskTip, "Условие на задачата", {}},
        {etiket, 2, {120, 2640, 975, 405}, 8, "Число 1",
            false, false, 0, labelColour, black, true, {}, "Число 1", firstOperandBox},
        {pole, firstOperandBox, {1200, 2640, 8055, 405}, 7, "43252003274489856000",
            false, false, operandLimit, boxColour, black, false, operandTip, "Число 1", {}},
        {etiket, 3, {120, 3120, 975, 405}, 10, "Число 2",
            false, false, 0, labelColour, black, true, {}, "Число 2", secondOperandBox},
        {pole, secondOperandBox, {1200, 3120, 8055, 405}, 9, "",
            false, false, operandLimit, boxColour, black, false, operandTip, "Число 2", {}},
        {etiket, 1, {120, 3600, 975, 405}, 4, "Сума",
            false, false, 0, labelColour, black, true, {}, "Сума", resultBox},
        {pole, resultBox, {1200, 3600, 8055, 405}, 6, "",
            false, true, 69, boxColour, black, false, resultTip, "Сума", {}},
        {pole, reportBox, {120, 4080, 6375, 2175}, 5, "",
            true, true, 0, boxColour, black, false, reportTip, "Отчет", {}},
        {buton, computeButton, {7680, 4440, 1335, 405}, 1, "Изчисли",
            false, false, 0, computeColour, black, true, computeTip, "Изчисли", {}},
        {buton, clearButton, {7680, 5040, 1335, 405}, 2, "Изчисти",
            false, false, 0, formBackground, black, true, clearTip, "Изчисти", {}},
    }};
    // clang-format on
    return table;
}

}  // namespace velmora
