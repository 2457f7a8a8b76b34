#include "ui/phero_window.hpp"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/app_icon.hpp"
#include "ui/caption_fit.hpp"
#include "ui/caption_language.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui/keyboard_canvas.hpp"
#include "ui/letter_font.hpp"
#include "ui/twips.hpp"
#include "ui/view_controls.hpp"

namespace antkeys {

PheroWindow::PheroWindow(QWidget* parent) : QWidget(parent, Qt::Window), grid_(PheroWindowGrid()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmPhero"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(GeorgianFont(12));

    const QSize client = TwipsRect(0, 0, 10140, 3990).size();
    setFixedSize(client);
    canvas_ = new KeyboardCanvas(QStringLiteral(":/keyboard-large.png"), client, this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->move(0, 0);

    label1_ = MakeLabel(this, "Label1", CaptionText(captions::kLetterCaption),
                        TwipsRect(0, 3540, 1035, 315), font(), Qt::AlignRight);

    cmbLetter_ = new QComboBox(this);
    cmbLetter_->setObjectName(QStringLiteral("cmbLetter"));
    cmbLetter_->setFont(GeorgianFont(14.25));
    cmbLetter_->setGeometry(TwipsRect(1080, 3480, 915, 435));
    connect(cmbLetter_, &QComboBox::currentIndexChanged, this, [this] { cmbLetter_Click(); });
    // Choosing the letter already chosen redraws it too (after a ShowPhero of another one).
    connect(cmbLetter_, &QComboBox::activated, this, [this](int index) {
        if (index != shownLetter_) cmbLetter_Click();
    });

    chkAutoRefresh_ = new QCheckBox(this);
    chkAutoRefresh_->setObjectName(QStringLiteral("chkAutoRefresh"));
    chkAutoRefresh_->setGeometry(TwipsRect(2040, 3480, 1875, 435));
    SetFittedCaption(chkAutoRefresh_, CaptionText(captions::kAutoRefreshCaption), font());

    const QString legend = CaptionText(captions::kPheroLegendCaption);
    label2_ = MakeLabel(this, "Label2", legend, TwipsRect(4020, 3480, 6075, 435),
                        GeorgianFont(kCaptionPointSize), Qt::AlignRight, true);
    label2_->setToolTip(legend);  // the box is too small for the whole legend
}

void PheroWindow::Init(const KeyTables& keys, const LetterTables& letters, const PheroTable& phero,
                       const CharacterMap& chars) {
    mLetSet_ = letters.letSet;
    mKeys_ = keys;
    mPhero_ = phero;
    DrawKeys();

    const QSignalBlocker quiet(cmbLetter_);
    cmbLetter_->clear();
    cmbLetter_->setFont(LetterFont(chars, cmbLetter_->font().pointSizeF()));
    for (const Byte code : mLetSet_) {
        const QString letter = LetterText(chars, code);
        const bool byCode = chars.builtIn() ? code < 192 : code == ' ' || !chars.Shows(code);
        cmbLetter_->addItem(byCode || letter.isEmpty() ? QString::number(code) : letter);
    }
    cmbLetter_->setCurrentIndex(-1);
}

bool PheroWindow::KeyPoint(int k, double fraction, ScreenPoint& point) const {
    if (k < 0 || k > mKeys_.nKeys()) return false;
    const auto i = static_cast<std::size_t>(k);
    if (i >= mKeys_.hands.size() || i >= mKeys_.rows.size() || i >= mKeys_.cols.size())
        return false;
    if (mKeys_.codes[i].size() != 1) return false;
    return grid_.At(mKeys_.hands[i], mKeys_.cols[i], mKeys_.rows[i], fraction, point);
}

bool PheroWindow::LabelPosition(int k, ScreenPoint& point) const {
    return KeyPoint(k, 0.5, point);
}

bool PheroWindow::MarkCentre(int k, ScreenPoint& point) const {
    return KeyPoint(k, 0.65, point);
}

int PheroWindow::CircleRadius(double p) const {
    const double r = std::nearbyint(p * grid_.keyW);  // to nearest, halves to even
    return r >= 32767.0 ? 32767 : static_cast<int>(r);
}

void PheroWindow::DrawKeys() {
    shownLetter_ = -1;
    canvas_->Clear();
    const QColor white = QColor::fromRgb(kLabelColour);
    const QFont labelFont = font();
    canvas_->Paint([&](QPainter& painter) {
        for (int k = 0; k <= mKeys_.nKeys(); ++k) {
            ScreenPoint at;
            if (!LabelPosition(k, at)) continue;
            KeyboardCanvas::PrintText(
                painter, QPointF(at.x, at.y),
                CodeText(static_cast<Byte>(mKeys_.codes[static_cast<std::size_t>(k)][0])),
                labelFont, white);
        }
    });
}

void PheroWindow::DrawPhero(int letIdx) {
    if (letIdx < 0 || letIdx > mPhero_.nLet()) return;
    shownLetter_ = letIdx;
    const QColor red = QColor::fromRgb(kRedColour);
    const QColor blue = QColor::fromRgb(kBlueColour);
    const QFont markFont = font();
    canvas_->Paint([&](QPainter& painter) {
        for (int k = 0; k <= mKeys_.nKeys() && k <= mPhero_.nKeys(); ++k) {
            ScreenPoint at;
            if (!MarkCentre(k, at)) continue;
            const double p = mPhero_.at(k, letIdx);
            // Not positive (NaN included): the letter may never take this key.
            if (!(p > 0)) {
                const QPointF topLeft(at.x - 0.15 * grid_.keyW, at.y - 0.15 * grid_.keyH);
                KeyboardCanvas::PrintText(painter, topLeft, QStringLiteral("x"), markFont, red);
                continue;
            }
            const int radius = CircleRadius(p);
            if (radius == 0)
                KeyboardCanvas::DrawCircle(painter, QPointF(at.x, at.y), 1, red);
            else
                KeyboardCanvas::DrawCircle(painter, QPointF(at.x, at.y), radius, blue);
        }
    });
}

void PheroWindow::cmbLetter_Click() {
    const int index = cmbLetter_->currentIndex();
    if (index < 0) return;
    DrawKeys();
    DrawPhero(index);
}

void PheroWindow::mfMain_OnPheroModif(const PheroTable& newPhero) {
    if (!chkAutoRefresh_->isChecked()) return;
    mPhero_ = newPhero;
    cmbLetter_Click();
}

void PheroWindow::ShowPhero(Integer letCode) {
    for (std::size_t i = 0; i < mLetSet_.size(); ++i) {
        if (mLetSet_[i] != letCode) continue;
        DrawKeys();
        DrawPhero(static_cast<int>(i));
        return;
    }
}

}  // namespace antkeys
