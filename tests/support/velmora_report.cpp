// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The expected texts of the web tests, from the native build: for pairs of operand texts given on
// the command line it types each pair into in-memory boxes that start as the window does, presses
// "Изчисли", and prints the result box, the report box and the message of a command that stopped
// ("" when it ended normally) as a JSON array of {"result", "report", "failure"}. The pairs apply
// in order, as in one window; "<as started>" leaves a box as it was.
//   velmora_report FIRST SECOND [FIRST SECOND]...
//   velmora_report -      the texts from standard input, in UTF-16 little-endian, apart by U+0000
// Each text reaches the core the way the window reads a box: as a widget's QString, through the
// window's own conversion, which writes "?" for a lone half of a surrogate pair. A command line
// holds UTF-8, which cannot carry such a half; standard input in UTF-16 can, as a browser's text.

#include <QString>
#include <QStringList>
#include <exception>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/failure_message.h"
#include "form/starting_texts.h"
#include "support/calculator.h"
#include "web/glue/json_text.h"
#include "window/box_text.h"

namespace {

constexpr std::string_view asStarted = "<as started>";

QStringList textsFromInput() {
    const std::string bytes{std::istreambuf_iterator<char>(std::cin), {}};
    QString texts;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        texts += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                             static_cast<unsigned char>(bytes[at + 1]) << 8));
    }
    return texts.split(QChar(u'\0'));
}

std::vector<std::string> textsAsTheWindowReadsThem(std::span<char*> args) {
    QStringList texts;
    if (args.size() == 1 && std::string_view(args[0]) == "-") {
        texts = textsFromInput();
    } else {
        for (const char* arg : args) {
            texts += QString::fromUtf8(arg);
        }
    }
    std::vector<std::string> read;
    for (const QString& text : texts) {
        read.push_back(velmora::fromWidgetText(text));
    }
    return read;
}

std::string jsonString(std::string_view text) {
    std::string out;
    velmora::appendJsonString(out, text);
    return out;
}

void typeInto(velmora::testing::Calculator& calculator, velmora::Box box, std::string_view text) {
    if (text != asStarted) {
        calculator.boxes.setText(box, std::string(text));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args =
        textsAsTheWindowReadsThem(std::span<char*>(argv + 1, static_cast<std::size_t>(argc - 1)));
    if (args.empty() || args.size() % 2 != 0) {
        std::cerr << "usage: velmora_report FIRST SECOND [FIRST SECOND]...\n"
                     "       velmora_report - < TEXTS (UTF-16LE, apart by U+0000)\n";
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
            calculator.commands.click(velmora::computeButton);
        } catch (const std::exception& error) {
            failure = velmora::failureMessage(error);
        }
        std::cout << (at == 0 ? "" : ",") << "\n  {\"result\": " << jsonString(calculator.result())
                  << ", \"report\": " << jsonString(calculator.boxes.text(velmora::reportBox))
                  << ", \"failure\": " << jsonString(failure) << "}";
    }
    std::cout << "\n]\n";
}
