#include "ui/edit_panel.hpp"

#include <string>

#include <QLabel>

#include "data/number_format.hpp"
#include "eval/panel.hpp"
#include "ui/caption_language.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui/view_controls.hpp"

namespace antkeys {
namespace {

constexpr int kCaptionW = 80;  // the row captions
constexpr int kFigureW = 50;   // V1..V6
constexpr int kGradeW = 70;    // the grade column
constexpr int kRowH = 16;
constexpr int kTop = 20;  // the first row, under the title

int ColumnX(std::size_t i) {
    return kCaptionW + static_cast<int>(i - 1) * kFigureW;
}

QString Signed(const std::string& text, double delta) {
    return QString::fromStdString(delta > 0 ? "+" + text : text);
}

// A figure against the one before, as the relative figures read against the reference:
// before / now - 1 from the Single ratio, positive when the figure fell (better).
QString ChangeText(double now, double before) {
    if (now == before) return QString::fromStdString(FormatPercent(0.0f));
    if (!(before > 0) || !(now > 0)) return {};
    const auto r = static_cast<Single>(now / before);
    const Single change = 1.0f / r - 1.0f;
    return Signed(FormatPercent(change), change);
}

}  // namespace

EditPanel::EditPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("editPanel"));
    const QFont caption = GeorgianFont(8);
    const QFont figures = NamedFont(QStringLiteral("Tahoma"), 8, false);
    const QFont bold = NamedFont(QStringLiteral("Tahoma"), 8, true);
    const auto cell = [&](const char* name, int x, int row, int w, const QFont& f) {
        return MakeLabel(this, name, QString(), QRect(x, kTop + row * kRowH, w, kRowH), f,
                         Qt::AlignRight);
    };
    MakeLabel(this, "labEdit", CaptionText(captions::kEditCaption), QRect(4, 2, 200, kRowH),
              NamedFont(GeorgianFamily(), 9, true), Qt::AlignLeft);
    improving_ = MakeLabel(this, "labImproving", CaptionText(captions::kImprovingCaption),
                           QRect(220, 2, 226, kRowH), caption, Qt::AlignRight);
    improving_->hide();
    const char* rows[] = {captions::kEditValueCaption, captions::kRGradeCaption,
                          captions::kEditChangeCaption};
    const char* rowNames[] = {"labEditValue", "labEditRelative", "labEditChange"};
    for (int r = 0; r < 3; ++r)
        MakeLabel(this, rowNames[r], CaptionText(rows[r]),
                  QRect(4, kTop + (r + 1) * kRowH, kCaptionW - 6, kRowH), caption, Qt::AlignLeft);
    for (std::size_t i = 1; i <= 6; ++i) {
        const std::string n = std::to_string(i);
        cell(("labEditV" + n).c_str(), ColumnX(i), 0, kFigureW, bold)
            ->setText(QString::fromStdString("V" + n));
        value_[i] = cell(("editV" + n).c_str(), ColumnX(i), 1, kFigureW, figures);
        relative_[i] = cell(("editRel" + n).c_str(), ColumnX(i), 2, kFigureW, figures);
        change_[i] = cell(("editChange" + n).c_str(), ColumnX(i), 3, kFigureW, figures);
    }
    const int gx = ColumnX(7);
    MakeLabel(this, "labEditGrade", CaptionText(captions::kEditGradeCaption),
              QRect(gx, kTop, kGradeW, kRowH), caption, Qt::AlignRight);
    absolute_ = cell("editAbsolute", gx, 1, kGradeW, figures);
    grade_ = cell("editGrade", gx, 2, kGradeW, bold);
    gradeChange_ = cell("editGradeChange", gx, 3, kGradeW, bold);
}

void EditPanel::Show(const GradeReport& now, const GradeReport& before) {
    for (std::size_t i = 1; i <= 6; ++i) {
        value_[i]->setText(QString::fromStdString(FigureText(now.v[i]).Text()));
        relative_[i]->setText(QString::fromStdString(RelativeText(now, i).Text()));
        change_[i]->setText(ChangeText(now.v[i], before.v[i]));
    }
    absolute_->setText(QString::fromStdString(AbsoluteText(now.absolute).Text()));
    grade_->setText(QString::fromStdString(GradeText(now).Text()));
    const Single d = now.grade - before.grade;
    gradeChange_->setText(Signed(GradeText(d).Text(), d));
}

void EditPanel::SetImproving(bool improving) {
    improving_->setVisible(improving);
}

}  // namespace antkeys
