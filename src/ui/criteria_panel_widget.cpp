#include "ui/criteria_panel_widget.hpp"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "ui/caption_fit.hpp"
#include "ui/caption_language.hpp"
#include "ui/captions.hpp"
#include "ui/display_box.hpp"
#include "ui/georgian_text.hpp"
#include "ui/twips.hpp"

namespace antkeys {
namespace {

// The panel's top-left corner in the window, in twips; children are placed in window twips.
constexpr int kLeft = 0;
constexpr int kTop = 1980;
constexpr int kWidth = 4080;
constexpr int kHeight = 4890 - kTop;

constexpr std::array<int, 7> kRowTops{0, 2310, 2610, 2925, 3225, 3540, 3840};
constexpr int kRowHeight = 300;
constexpr int kRowLabelHeight = 255;

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
}

QRect Place(int left, int top, int width, int height) {
    return TwipsRect(left - kLeft, top - kTop, width, height);
}

}  // namespace

CriteriaPanelWidget::CriteriaPanelWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CriteriaPanel"));
    setGeometry(TwipsRect(kLeft, kTop, kWidth, kHeight));

    // The headings of the reference and current columns share part of their width; each is
    // fitted so that their centred texts stay apart.
    const QFont small = GeorgianFont(kSmallCaptionPointSize);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    QLabel* label6 = AddLabel(QStringLiteral("Label6"), CaptionText(captions::kRefColumnCaption), 0,
                              1980, 1065, 255, centred);
    QLabel* label7 = AddLabel(QStringLiteral("Label7"), CaptionText(captions::kCurrColumnCaption),
                              900, 1980, 1845, 285, centred);
    const int overlap = label6->geometry().right() + 1 - label7->geometry().left();
    label6->setFont(FitToWidth(small, label6->text(), label6->width() - overlap));
    label7->setFont(FitToWidth(small, label7->text(), label7->width() - 2 * overlap));
    SetFittedCaption(
        AddLabel(QStringLiteral("Label1"), {}, 2760, 1980, 765, 255, Qt::AlignLeft | Qt::AlignTop),
        CaptionText(captions::kBestColumnCaption), small);
    AddLine(QStringLiteral("Line2"), 90, 3570, 2220);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    for (int i = 1; i <= 6; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int top = kRowTops[at];
        AddLabel(Indexed("labV", i), QStringLiteral("V%1").arg(i), 30, top, 300, kRowLabelHeight,
                 right);
        v0Perc_[at] = AddBox(Indexed("txtV0Perc", i), 360, top, 500, kRowHeight);
        v1_[at] = AddBox(Indexed("txtV1", i), 1020, top, 500, kRowHeight);
        AddLabel(Indexed("labV", 6 + i), QStringLiteral("dV%1").arg(i), 1440, top + 30, 405,
                 kRowLabelHeight, right);
        vPerc_[at] = AddBox(Indexed("txtVPerc", i), 1860, top, 700, kRowHeight);
        vMaxPerc_[at] = AddBox(Indexed("txtVMaxPerc", i), 2760, top, 700, kRowHeight);
    }

    AddLine(QStringLiteral("Line1"), 60, 3990, 4200);
    refGrade_ = AddBox(QStringLiteral("txtRefGrade"), 360, 4230, 495, 315);
    currGrade_ = AddBox(QStringLiteral("txtCurrGrade"), 1020, 4230, 495, 315);
    currGrade_->setToolTip(QStringLiteral("Currnent Layout Grade"));
    difGrade_ = AddBox(QStringLiteral("txtDifGrade"), 1860, 4230, 700, 345);
    bestGrade_ = AddBox(QStringLiteral("txtBestGrade"), 2760, 4230, 1305, 435);
    QFont bestFont = bestGrade_->font();
    bestFont.setPointSizeF(13.5);
    bestFont.setBold(true);
    bestGrade_->setFont(bestFont);

    iterNCaption_ = CaptionText(captions::kIterNCaption);
    iterN_ = AddLabel(QStringLiteral("labIterN"), iterNCaption_, 60, 4620, 1995, 255,
                      Qt::AlignLeft | Qt::AlignTop);
    // Sized for the longest counter the label will ever show.
    iterN_->setFont(FitToWidth(GeorgianFont(kCaptionPointSize),
                               iterNCaption_ + QStringLiteral("2147483647"), iterN_->width()));
}

QLineEdit* CriteriaPanelWidget::AddBox(const QString& name, int left, int top, int width,
                                       int height) {
    QLineEdit* box = NewDisplayBox(this, name);
    box->setGeometry(Place(left, top, width, height));
    return box;
}

QLabel* CriteriaPanelWidget::AddLabel(const QString& name, const QString& text, int left, int top,
                                      int width, int height, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setGeometry(Place(left, top, width, height));
    return label;
}

void CriteriaPanelWidget::AddLine(const QString& name, int x1, int x2, int y) {
    auto* line = new QFrame(this);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(2);
    const QRect r = Place(x1, y, x2 - x1, 0);
    line->setGeometry(r.left(), r.top() - 1, r.width(), 2);
    // A line is drawn on the window; the mouse and drops go through it.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CriteriaPanelWidget::Refresh(const CriteriaPanel& panel) {
    const auto show = [](QLineEdit* box, const PanelText& text) {
        SetBoxText(box, QString::fromStdString(text.Text()));
    };
    for (std::size_t i = 1; i <= 6; ++i) {
        show(v0Perc_[i], panel.v0Perc[i]);
        show(v1_[i], panel.v1[i]);
        show(vPerc_[i], panel.vPerc[i]);
        show(vMaxPerc_[i], panel.vMaxPerc[i]);
    }
    show(refGrade_, panel.refGrade);
    show(currGrade_, panel.currGrade);
    show(difGrade_, panel.difGrade);
    show(bestGrade_, panel.bestGrade);
}

void CriteriaPanelWidget::ShowIterN(Long iterN) {
    if (iterN == shownIterN_) return;
    shownIterN_ = iterN;
    iterN_->setText(iterNCaption_ + QString::number(iterN));
}

}  // namespace antkeys
