// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lines of the words as the speller puts them together: pieces joined in a buffer on the
// stack, then appended to the report at once. The room holds every line the word tables can make:
// 22 groups, as many as there are scale words, of at most 90 bytes each (" деветстотин деветдесет
// и девет куадродецилиона" with its line break). A piece that would overrun the room raises an
// error instead of writing past it.

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace velmora {

// The error for a piece that would overrun the room, raised out of line so that the speller's
// many small appends stay inline.
[[noreturn]] void refuseLongWords(std::size_t room);

class WordLines {
public:
    void add(std::string_view piece) {
        if (piece.size() > room_.size() - size_) [[unlikely]] {
            refuseLongWords(room_.size());
        }
        std::memcpy(room_.data() + size_, piece.data(), piece.size());
        size_ += piece.size();
    }

    void add(char c) { add(std::string_view(&c, 1)); }

    bool empty() const { return size_ == 0; }
    std::string_view text() const { return {room_.data(), size_}; }

private:
    std::array<char, 2400> room_;
    std::size_t size_ = 0;
};

}  // namespace velmora
