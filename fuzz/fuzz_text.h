#pragma once

// Turns fuzzer bytes into display text. Plain bytes are the Latin-1 characters of
// the same value, so seed files stay readable; two escapes reach everything else:
//
//   0xFE hi lo   the single UTF-16 code unit hi * 256 + lo: lone surrogates, NULs,
//                Arabic-Indic digits, full-width signs, a quote inside a quoted text
//   0xFF n c     the byte c, read as above, repeated (n + 1) * 64 times: texts far
//                longer than the input itself
//
// The text stops at the end of the input or at an unescaped terminator byte, which
// is consumed. Texts are capped at kMaxTextUnits code units.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

inline constexpr std::size_t kMaxTextUnits = std::size_t { 1 } << 16;

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }

    bool atEnd() const { return at_ == size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

    // Reads a text up to the terminator (a byte value) or to the end of the input;
    // a terminator outside 0..255 reads to the end.
    std::u16string readText(int terminator = -1)
    {
        std::u16string text;
        while (!atEnd()) {
            const std::uint8_t b = next();
            if (b == terminator)
                break;
            if (b == 0xFE) {
                const unsigned hi = next();
                const unsigned lo = next();
                append(text, static_cast<char16_t>(hi << 8 | lo), 1);
            } else if (b == 0xFF) {
                const std::size_t count = (std::size_t { next() } + 1) * 64;
                append(text, static_cast<char16_t>(next()), count);
            } else {
                append(text, static_cast<char16_t>(b), 1);
            }
        }
        return text;
    }

private:
    static void append(std::u16string& text, char16_t unit, std::size_t count)
    {
        if (text.size() < kMaxTextUnits)
            text.append(std::min(count, kMaxTextUnits - text.size()), unit);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace fuzzing
