#include "corpus/digraph_counter.hpp"

#include <iconv.h>

namespace antkeys {
namespace {

constexpr char32_t kGeorgianFirst = 0x10D0;  // Mkhedruli AN
constexpr char32_t kMtavruliFirst = 0x1C90;  // Mtavruli AN, the capital of U+10D0
constexpr char32_t kInvalid = 0xFFFD;

std::string Utf8(char32_t cp) {
    std::string s;
    if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    s += static_cast<char>(0x80 | (cp & 0x3F));
    return s;
}

bool IsUnicodeSpace(char32_t cp) {
    return cp == 0x85 || cp == 0xA0 || cp == 0x1680 || (cp >= 0x2000 && cp <= 0x200A) ||
           cp == 0x2028 || cp == 0x2029 || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

}  // namespace

DigraphCounter::DigraphCounter() {
    // The codes come from the system's GEORGIAN-PS converter, the charset the program
    // shows its codes in.
    iconv_t cd = iconv_open("GEORGIAN-PS", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        error_ = "the system's iconv has no GEORGIAN-PS character set";
        return;
    }
    for (std::size_t i = 0; i < georgian_.size(); ++i) {
        std::string in = Utf8(kGeorgianFirst + static_cast<char32_t>(i));
        char out[4] = {};
        char* inPtr = in.data();
        char* outPtr = out;
        std::size_t inLeft = in.size();
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
            sizeof out - outLeft == 1 && static_cast<unsigned char>(out[0]) >= 128)
            georgian_[i] = static_cast<unsigned char>(out[0]);
    }
    iconv_close(cd);
    ready_ = true;
}

void DigraphCounter::Feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (need_ == 0 && byte < 0x80) {
            Character(byte);
        } else {
            Decode(byte);
        }
    }
}

void DigraphCounter::Decode(unsigned char byte) {
    if (need_ > 0) {
        if ((byte & 0xC0) == 0x80) {
            cp_ = (cp_ << 6) | (byte & 0x3Fu);
            if (--need_ == 0) {
                if (cp_ < min_ || (cp_ >= 0xD800 && cp_ <= 0xDFFF) || cp_ > 0x10FFFF)
                    Drop(kInvalid);
                else
                    Character(cp_);
            }
            return;
        }
        // The sequence broke off: drop it and read this byte afresh.
        need_ = 0;
        Drop(kInvalid);
        if (byte < 0x80) {
            Character(byte);
            return;
        }
    }
    if (byte >= 0xC2 && byte <= 0xDF) {
        need_ = 1;
        cp_ = byte & 0x1Fu;
        min_ = 0x80;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        need_ = 2;
        cp_ = byte & 0x0Fu;
        min_ = 0x800;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        need_ = 3;
        cp_ = byte & 0x07u;
        min_ = 0x10000;
    } else {
        Drop(kInvalid);
    }
}

void DigraphCounter::Boundary() {
    if (need_ > 0) {
        need_ = 0;
        Drop(kInvalid);
    }
    Put(' ');
}

void DigraphCounter::Character(char32_t cp) {
    if (cp < 0x80) {
        if (cp == ' ' || (cp >= '\t' && cp <= '\r')) {
            Put(' ');
        } else if (cp > ' ' && cp < 0x7F) {
            Put(cp >= 'A' && cp <= 'Z' ? static_cast<int>(cp) + ('a' - 'A') : static_cast<int>(cp));
        } else {
            Drop(cp);  // control characters
        }
        return;
    }
    char32_t lower = cp;
    if ((cp >= kMtavruliFirst && cp <= 0x1CBA) || (cp >= 0x1CBD && cp <= 0x1CBF))
        lower = cp - kMtavruliFirst + kGeorgianFirst;
    if (lower >= kGeorgianFirst && lower < kGeorgianFirst + georgian_.size()) {
        const unsigned char code = georgian_[lower - kGeorgianFirst];
        if (code != 0) {
            Put(code);
            return;
        }
    }
    if (IsUnicodeSpace(cp)) {
        Put(' ');
        return;
    }
    Drop(cp);
}

void DigraphCounter::Put(int code) {
    if (code == ' ' && last_ == ' ') return;  // a run of white space is one space
    if (last_ >= 0) ++counts_[static_cast<std::size_t>(last_ * 256 + code)];
    if (countTrigrams_ && beforeLast_ >= 0)
        ++trigrams_[static_cast<std::uint32_t>(beforeLast_ * 65536 + last_ * 256 + code)];
    beforeLast_ = last_;
    if (code != ' ') ++kept_;
    last_ = code;
}

void DigraphCounter::Drop(char32_t cp) {
    ++dropped_;
    ++droppedBy_[cp];
}

}  // namespace antkeys
