#include "corpus/digraph_counter.hpp"

namespace antkeys {
namespace {

constexpr char32_t kInvalid = 0xFFFD;
constexpr char32_t kByteOrderMark = 0xFEFF;
constexpr char32_t kNearLimit = 0x3000;      // past Georgian, Armenian, Greek and Cyrillic
constexpr char32_t kAlwaysComposed = 0x300;  // below the combining marks nothing recomposes

}  // namespace

DigraphCounter::DigraphCounter(const CharacterMap& map) : map_(map), near_(kNearLimit) {
    UErrorCode status = U_ZERO_ERROR;
    nfc_ = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) nfc_ = nullptr;  // ICU's data always holds NFC; count unnormalised
    for (char32_t cp = 0; cp < kNearLimit; ++cp)
        near_[cp] = static_cast<std::int16_t>(map_.CodeOf(cp));
}

void DigraphCounter::Feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i, ++fed_) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (need_ == 0 && byte < 0x80) {
            Decoded(byte);
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
                    Malformed(leadAt_);
                else
                    Decoded(cp_);
            }
            return;
        }
        // The sequence broke off: it is malformed, and this byte is read afresh.
        need_ = 0;
        Malformed(leadAt_);
        if (byte < 0x80) {
            Decoded(byte);
            return;
        }
    }
    leadAt_ = fed_;
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
        Malformed(fed_);
    }
}

void DigraphCounter::Malformed(std::uint64_t at) {
    if (firstMalformed_ < 0) firstMalformed_ = static_cast<std::int64_t>(at);
    Flush();
    Drop(kInvalid);
}

void DigraphCounter::Boundary() {
    if (need_ > 0) {
        need_ = 0;
        Malformed(leadAt_);
    }
    Flush();
    Put(' ');
    textStart_ = true;
}

void DigraphCounter::Decoded(char32_t cp) {
    const bool first = textStart_;
    textStart_ = false;
    if (cp == kByteOrderMark && first) return;
    if (nfc_ == nullptr) {
        Character(cp);
        return;
    }
    if (nfc_->hasBoundaryBefore(static_cast<UChar32>(cp))) Flush();
    segment_.append(static_cast<UChar32>(cp));
}

// The characters since the last boundary, composed.
void DigraphCounter::Flush() {
    if (segment_.isEmpty()) return;
    if (segment_.length() == 1 && segment_[0] < kAlwaysComposed) {
        Character(segment_[0]);
    } else {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString composed = nfc_->normalize(segment_, status);
        const icu::UnicodeString& text = U_SUCCESS(status) ? composed : segment_;
        for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1))
            Character(static_cast<char32_t>(text.char32At(i)));
    }
    segment_.remove();
}

void DigraphCounter::Character(char32_t cp) {
    const int code = cp < kNearLimit ? near_[cp] : map_.CodeOf(cp);
    Byte dead = 0, base = 0;
    if (code >= 0) {
        Put(code);
    } else if (map_.SequenceOf(cp, dead, base)) {
        Put(dead);
        Put(base);
    } else {
        Drop(cp);
    }
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
