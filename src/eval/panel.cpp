#include "eval/panel.hpp"

#include "data/number_format.hpp"

namespace antkeys {

std::string PanelText::Text() const {
    switch (kind_) {
        case Kind::Empty:
            return {};
        case Kind::Fixed2Double:
            return FormatFixed2(value_);
        case Kind::Fixed2Single:
            return FormatFixed2(static_cast<float>(value_));
        case Kind::PercentSingle:
            return FormatPercent(static_cast<float>(value_));
        case Kind::PlusInfinity:
            return kPlusInfinityText;
        case Kind::Undefined:
            return kUndefinedText;
    }
    return {};
}

}  // namespace antkeys
