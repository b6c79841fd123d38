#include "form/control_table.h"

#include <array>

#include "form/task_statement.h"

namespace velmora {

namespace {

constexpr Rgb labelColour{255, 192, 128};
constexpr Rgb computeColour{0, 255, 0};
constexpr Rgb boxColour{255, 255, 255};
constexpr Rgb black{0, 0, 0};

constexpr std::string_view boxTip = "Условие на задачата";
constexpr std::string_view computeTip = "Изчислява сумата на двете числа и я изписва словом";
constexpr std::string_view clearTip = "Изчиства всички въведени стойности и получени резултати";

using enum ControlArray;

}  // namespace

std::string windowCaption() {
    return std::string(publisherAddress) + ' ' + std::string(captionText);
}

std::span<const ControlDescriptor> controlTable() {
    // clang-format off
    static const std::array<ControlDescriptor, 11> table{{
        // array, index, role, place in twips, tab index, text,
        //     multi-line, read-only, limit, background, text colour, centred, tooltip, name,
        //     the box a label names
        {etiket, 0, "заглавие", {2040, 120, 4815, 375}, 3, "Информатика - сумата словом",
            false, false, 0, labelColour, black, true, {}, "Информатика - сумата словом", noBox},
        {pole, 0, "условие на задачата", {120, 720, 9135, 1815}, 0, taskStatement(),
            true, true, 0, boxColour, black, false, boxTip, "Условие на задачата", noBox},
        {etiket, 2, "надпис на първото число", {120, 2640, 975, 405}, 8, "Число 1",
            false, false, 0, labelColour, black, true, {}, "Число 1", 3},
        {pole, 3, "първо число", {1200, 2640, 8055, 405}, 7, "43252003274489856000",
            false, false, 65, boxColour, black, false, boxTip, "Число 1", noBox},
        {etiket, 3, "надпис на второто число", {120, 3120, 975, 405}, 10, "Число 2",
            false, false, 0, labelColour, black, true, {}, "Число 2", 4},
        {pole, 4, "второ число", {1200, 3120, 8055, 405}, 9, "",
            false, false, 65, boxColour, black, false, boxTip, "Число 2", noBox},
        {etiket, 1, "надпис на сумата", {120, 3600, 975, 405}, 4, "Сума",
            false, false, 0, labelColour, black, true, {}, "Сума", 2},
        {pole, 2, "сума", {1200, 3600, 8055, 405}, 6, "",
            false, true, 69, boxColour, black, false, boxTip, "Сума", noBox},
        {pole, 1, "числата, сумата и сумата словом", {120, 4080, 6375, 2175}, 5, "",
            true, true, 0, boxColour, black, false, boxTip, "Отчет", noBox},
        {buton, 0, "изчислява сумата", {7680, 4440, 1335, 405}, 1, "Изчисли",
            false, false, 0, computeColour, black, true, computeTip, "Изчисли", noBox},
        {buton, 1, "изчиства полетата", {7680, 5040, 1335, 405}, 2, "Изчисти",
            false, false, 0, formBackground, black, true, clearTip, "Изчисти", noBox},
    }};
    // clang-format on
    return table;
}

}  // namespace velmora
