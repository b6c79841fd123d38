// The expected texts of the web tests, from the native build: for pairs of operand texts given on
// the command line it types each pair into in-memory boxes that start as the window does, presses
// "Изчисли", and prints the result box, the report box and the message of a command that stopped
// ("" when it ended normally) as a JSON array of {"result", "report", "failure"}. The pairs apply
// in order, as in one window; "<as started>" leaves a box as it was.
//   velmora_report FIRST SECOND [FIRST SECOND]...

#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "form/failure_message.h"
#include "form/json_text.h"
#include "form/starting_texts.h"
#include "support/calculator.h"

namespace {

constexpr std::string_view asStarted = "<as started>";

std::string jsonString(std::string_view text) {
    std::string out;
    velmora::appendJsonString(out, text);
    return out;
}

void typeInto(velmora::testing::Calculator& calculator, int box, std::string_view text) {
    if (text != asStarted) {
        calculator.boxes.setText(box, std::string(text));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv + 1, static_cast<std::size_t>(argc - 1));
    if (args.empty() || args.size() % 2 != 0) {
        std::cerr << "usage: velmora_report FIRST SECOND [FIRST SECOND]...\n";
        return 2;
    }
    velmora::testing::Calculator calculator;
    velmora::setStartingTexts(calculator.boxes);
    std::cout << "[";
    for (std::size_t at = 0; at < args.size(); at += 2) {
        typeInto(calculator, velmora::firstOperandBox, args[at]);
        typeInto(calculator, velmora::secondOperandBox, args[at + 1]);
        std::string failure;
        try {
            calculator.commands.compute();
        } catch (const std::exception& error) {
            failure = velmora::failureMessage(error);
        }
        std::cout << (at == 0 ? "" : ",") << "\n  {\"result\": " << jsonString(calculator.result())
                  << ", \"report\": " << jsonString(calculator.boxes.text(velmora::reportBox))
                  << ", \"failure\": " << jsonString(failure) << "}";
    }
    std::cout << "\n]\n";
}
