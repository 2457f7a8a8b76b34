#pragma once
// The layout window's panel while it edits: the grading of the edited layout, its figures
// V1..V6 and their relative figures as the criteria panel writes them, the absolute figure and
// the grade, and below them the change against the layout before the last change: each
// figure relative to its value before (as the relative figures are to the reference), the
// grade in percentage points.
#include <array>

#include <QWidget>

#include "eval/grading.hpp"

class QLabel;

namespace antkeys {

class EditPanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 86;  // pixels, below the window's designed area

    explicit EditPanel(QWidget* parent);

    // Shows `now`, and its change against `before`.
    void Show(const GradeReport& now, const GradeReport& before);
    // The note while an improvement runs.
    void SetImproving(bool improving);

    QLabel* value(std::size_t i) const { return value_[i]; }  // V1..V6 at 1..6
    QLabel* relative(std::size_t i) const { return relative_[i]; }
    QLabel* change(std::size_t i) const { return change_[i]; }
    QLabel* absolute() const { return absolute_; }
    QLabel* grade() const { return grade_; }
    QLabel* gradeChange() const { return gradeChange_; }

  private:
    std::array<QLabel*, 7> value_{}, relative_{}, change_{};
    QLabel* absolute_ = nullptr;
    QLabel* grade_ = nullptr;
    QLabel* gradeChange_ = nullptr;
    QLabel* improving_ = nullptr;
};

}  // namespace antkeys
