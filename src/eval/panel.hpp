#pragma once
// The criteria panel of the main window as the core sees it: every box holds a number and
// the format it is shown in, and makes its text only when somebody reads it, so grading
// never formats or allocates. Copying a box copies its text exactly.
#include <array>
#include <cstdint>
#include <string>

#include "eval/criteria.hpp"
#include "eval/grading.hpp"

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
    void SetFixed2(double v) {
        kind_ = Kind::Fixed2Double;
        value_ = v;
    }
    void SetFixed2(float v) {
        kind_ = Kind::Fixed2Single;
        value_ = v;
    }
    void SetPercent(float v) {
        kind_ = Kind::PercentSingle;
        value_ = v;
    }
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
    std::array<PanelText, 7> v0Perc;    // reference figures
    std::array<PanelText, 7> v1;        // last graded figures
    std::array<PanelText, 7> vPerc;     // last graded, relative
    std::array<PanelText, 7> vMaxPerc;  // best layout, relative
    PanelText refGrade;                 // the reference's absolute figure
    PanelText currGrade;                // the last graded layout's absolute figure
    PanelText difGrade;                 // the last graded layout's grade
    PanelText bestGrade;                // the best layout's grade
    PanelText avrgGrade;                // the average grade of the last graph point
    // Bumped by every write, so a host can tell when to repaint.
    std::uint64_t version = 0;
};

// How each figure of a grading is shown, wherever it is shown: the panel, the evaluation
// table, a rendered layout, the caption.
PanelText FigureText(double v);                                    // "0.00"
PanelText AbsoluteText(Single absolute);                           // "0.00" of a Single
PanelText RelativeText(const GradeReport& report, std::size_t i);  // "Percent", "+inf%" or ""
PanelText GradeText(const GradeReport& report);                    // "Percent" or undefined
PanelText GradeText(Single grade);                                 // "Percent"

// The current-layout column of the panel from a grading; a criterion whose reference figure
// does not count empties its relative figure and keeps its figure's earlier text.
void ShowGrading(const GradeReport& report, CriteriaPanel& panel);
// A new best: the best column takes the current column's relative figures and grade.
void ShowBest(CriteriaPanel& panel);
// A point of the progress graph: its average grade.
void ShowAverage(Single average, CriteriaPanel& panel);
// The reference column from the reference figures and their absolute figure.
void ShowReference(const Criteria& ref, Single absolute, CriteriaPanel& panel);

}  // namespace antkeys
