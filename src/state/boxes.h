#pragma once
// The text boxes of the window, as the calculator's procedures see them: read or set the text of
// box k and lock or unlock the report box. The window implements this with widgets, the tests and
// benchmarks with MemoryBoxes. Texts are UTF-8; line breaks in the report are CR LF.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

enum Box : int {
    taskBox = 0,
    reportBox = 1,
    resultBox = 2,
    firstOperandBox = 3,
    secondOperandBox = 4,
};

inline constexpr int boxCount = 5;

[[noreturn]] void throwNoSuchBox(int box);

// The index of box k into an array of all boxes; a box that does not exist raises
// IndexOutOfRange, as every implementation of Boxes does.
inline std::size_t boxIndex(int box) {
    if (box < 0 || box >= boxCount) [[unlikely]] {
        throwNoSuchBox(box);
    }
    return static_cast<std::size_t>(box);
}

inline constexpr std::string_view lineBreak = "\r\n";

class Boxes {
public:
    virtual ~Boxes() = default;

    virtual std::string text(int box) const = 0;
    virtual void setText(int box, std::string text) = 0;
    virtual void setReportLocked(bool locked) = 0;
};

// Appends a piece to the report box the way every procedure does: read the whole text, join the
// piece at its end, write the whole text back. A piece may be given in parts, which are joined in
// the report's own text instead of a temporary string.
void appendToReport(Boxes& boxes, std::string_view piece);
void appendToReport(Boxes& boxes, std::initializer_list<std::string_view> parts);

}  // namespace velmora
