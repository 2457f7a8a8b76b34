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

PanelText FigureText(double v) {
    PanelText text;
    text.SetFixed2(v);
    return text;
}

PanelText AbsoluteText(Single absolute) {
    PanelText text;
    text.SetFixed2(absolute);
    return text;
}

PanelText RelativeText(const GradeReport& report, std::size_t i) {
    PanelText text;
    switch (report.relKind[i]) {
        case Relative::None:
            break;
        case Relative::Value:
            text.SetPercent(report.rel[i]);
            break;
        case Relative::PlusInfinity:
            text.SetPlusInfinity();
            break;
    }
    return text;
}

PanelText GradeText(const GradeReport& report) {
    PanelText text;
    if (report.defined)
        text.SetPercent(report.grade);
    else
        text.SetUndefined();
    return text;
}

PanelText GradeText(Single grade) {
    PanelText text;
    text.SetPercent(grade);
    return text;
}

void ShowGrading(const GradeReport& report, CriteriaPanel& panel) {
    for (std::size_t i = 1; i <= 6; ++i) {
        if (report.relKind[i] != Relative::None) panel.v1[i] = FigureText(report.v[i]);
        panel.vPerc[i] = RelativeText(report, i);
    }
    panel.currGrade = AbsoluteText(report.absolute);
    panel.difGrade = GradeText(report);
    ++panel.version;
}

void ShowBest(CriteriaPanel& panel) {
    panel.bestGrade = panel.difGrade;
    for (std::size_t i = 1; i <= 6; ++i) panel.vMaxPerc[i] = panel.vPerc[i];
    ++panel.version;
}

void ShowAverage(Single average, CriteriaPanel& panel) {
    panel.avrgGrade = GradeText(average);
    ++panel.version;
}

void ShowReference(const Criteria& ref, Single absolute, CriteriaPanel& panel) {
    for (std::size_t i = 1; i <= 6; ++i) panel.v0Perc[i] = FigureText(ref[i]);
    panel.refGrade = AbsoluteText(absolute);
    ++panel.version;
}

}  // namespace antkeys
