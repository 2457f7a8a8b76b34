#pragma once
// The criteria panel of the main window as the core sees it: every box holds a number and
// the format it is shown in, and makes its text only when somebody reads it, so grading
// never formats or allocates. Copying a box copies its text exactly.
#include <array>
#include <cstdint>
#include <string>

namespace antkeys {

class PanelText {
public:
    enum class Kind : std::uint8_t {
        Empty,          // ""
        Fixed2Double,   // "0.00" of a Double
        Fixed2Single,   // "0.00" of a Single
        PercentSingle,  // "Percent" of a Single
        PlusInfinity,   // a relative figure whose layout figure is 0: infinitely better
        Undefined,      // a grade that cannot be worked out (no criterion counts)
    };

    void SetEmpty() { kind_ = Kind::Empty; }
    void SetFixed2(double v) { kind_ = Kind::Fixed2Double; value_ = v; }
    void SetFixed2(float v) { kind_ = Kind::Fixed2Single; value_ = v; }
    void SetPercent(float v) { kind_ = Kind::PercentSingle; value_ = v; }
    void SetPlusInfinity() { kind_ = Kind::PlusInfinity; }
    void SetUndefined() { kind_ = Kind::Undefined; }

    Kind kind() const { return kind_; }
    double value() const { return value_; }
    bool empty() const { return kind_ == Kind::Empty; }
    std::string Text() const;

    bool operator==(const PanelText& o) const { return Text() == o.Text(); }

private:
    Kind kind_ = Kind::Empty;
    double value_ = 0;
};

// The texts shown for the two open cases of the grading.
inline constexpr const char* kPlusInfinityText = "+\u221E%";
inline constexpr const char* kUndefinedText = "\u2014";

struct CriteriaPanel {
    std::array<PanelText, 7> v0Perc;    // txtV0Perc(1..6): reference figures
    std::array<PanelText, 7> v1;        // txtV1(1..6): last graded figures
    std::array<PanelText, 7> vPerc;     // txtVPerc(1..6): last graded, relative
    std::array<PanelText, 7> vMaxPerc;  // txtVMaxPerc(1..6): best layout, relative
    PanelText refGrade;                 // txtRefGrade
    PanelText currGrade;                // txtCurrGrade
    PanelText difGrade;                 // txtDifGrade
    PanelText bestGrade;                // txtBestGrade
    PanelText avrgGrade;                // txtAvrgGrade
    // Bumped by every write, so a host can tell when to repaint.
    std::uint64_t version = 0;
};

}  // namespace antkeys
