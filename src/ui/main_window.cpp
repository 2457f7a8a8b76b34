#include "ui/main_window.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "search/run_params.hpp"
#include "search/search_engine.hpp"
#include "ui/app_icon.hpp"
#include "ui/caption_fit.hpp"
#include "ui/caption_language.hpp"
#include "ui/captions.hpp"
#include "ui/criteria_panel_widget.hpp"
#include "ui/display_box.hpp"
#include "ui/dropped_paths.hpp"
#include "ui/georgian_text.hpp"
#include "ui/progress_graph.hpp"
#include "ui/twips.hpp"
#include "ui/view_openers.hpp"
#include "ui/window_loss_watch.hpp"
#include "ui/window_search_host.hpp"

namespace antkeys {
namespace {

constexpr int kClientWidth = 7545;  // twips
constexpr int kClientHeight = 4890;
constexpr double kDefaultPointSize = 8.25;  // the window's default font
const char* const kCaption = "A C O Algorithm (Version 2.3)";

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    SetFittedCaption(label, text, font);
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption,
                       const QRect& geometry) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    SetFittedCaption(button, CaptionText(caption), GeorgianFont(kCaptionPointSize));
    return button;
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const char* caption,
                       const QRect& geometry, bool checked) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    SetFittedCaption(box, CaptionText(caption), GeorgianFont(kCaptionPointSize));
    box->setChecked(checked);
    return box;
}

QString UnusedParamTip(double inUse) {
    return QStringLiteral(
               "Not a number: the run goes on with %1, the last number this box held, "
               "until it holds a number again.")
        .arg(QString::number(inUse, 'g', 15));
}

}  // namespace

MainWindow::MainWindow(SearchEngine& engine, QWidget* parent)
    : QWidget(parent), engine_(engine), host_(std::make_unique<WindowSearchHost>(*this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(kCaption));
    setWindowIcon(ProgramIcon());
    QFont defaultFont = font();
    defaultFont.setPointSizeF(kDefaultPointSize);
    setFont(defaultFont);
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    setAcceptDrops(true);

    // The panel first: the graph box and its settings overlap its corner and lie above it.
    panel_ = new CriteriaPanelWidget(this);
    BuildParameters();
    BuildButtons();
    BuildGraphArea();
    ConnectHost();
    // The layout and pheromone windows open from the buttons' and drops' signals.
    new ViewOpeners(*this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    timer1_->start();
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(1000);
    connect(timer2_, &QTimer::timeout, this, &MainWindow::Timer2_Timer);
    timer2_->start();
    // The core keeps the panel's figures; the widgets follow them a few times a second.
    panelTimer_ = new QTimer(this);
    panelTimer_->setObjectName(QStringLiteral("PanelTimer"));
    panelTimer_->setInterval(kPanelRefreshMs);
    connect(panelTimer_, &QTimer::timeout, this, &MainWindow::RefreshPanel);
    panelTimer_->start();

    lossWatch_ = new WindowLossWatch(*this);
    connect(lossWatch_, &WindowLossWatch::closeRequested, this, &MainWindow::RequestClose);

    RefreshPanel();
    Timer2_Timer();
}

MainWindow::~MainWindow() = default;

SearchHost& MainWindow::host() {
    return *host_;
}

void MainWindow::BuildParameters() {
    const QFont caption = GeorgianFont(kCaptionPointSize);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    labAnts_ = NewLabel(this, "labAnts", CaptionText(captions::kAntsCaption),
                        TwipsRect(1800, 360, 975, 285), caption, right);
    txtAnts_ = NewEditBox(this, QStringLiteral("txtAnts"), QStringLiteral("50"));
    txtAnts_->setGeometry(TwipsRect(2820, 330, 525, 285));
    labSens_ = NewLabel(this, "labSens", CaptionText(captions::kSensCaption),
                        TwipsRect(480, 660, 2325, 285), caption, right);
    txtPheroSens_ = NewEditBox(this, QStringLiteral("txtPheroSens"), QStringLiteral("0.8"));
    txtPheroSens_->setGeometry(TwipsRect(2820, 660, 525, 315));
    NewLabel(this, "Label3", CaptionText(captions::kPheroModifCaption),
             TwipsRect(1020, 1020, 1785, 285), caption, right);
    txtPheroModifK_ = NewEditBox(this, QStringLiteral("txtPheroModifK"), QStringLiteral("0.1"));
    txtPheroModifK_->setGeometry(TwipsRect(2820, 1020, 525, 285));

    chkACO_ =
        NewCheckBox(this, "chkACO", captions::kAcoCaption, TwipsRect(1620, 0, 1695, 345), true);
    connect(chkACO_, &QCheckBox::toggled, this, &MainWindow::chkACO_Click);
    chkDrawGraph_ = NewCheckBox(this, "chkDrawGraph", captions::kDrawGraphCaption,
                                TwipsRect(2400, 1500, 1215, 315), false);
    connect(chkDrawGraph_, &QCheckBox::toggled, this, &MainWindow::chkDrawGraph_Click);
}

void MainWindow::BuildButtons() {
    cmdRun_ = NewButton(this, "cmdRun", captions::kRunCaption, TwipsRect(4380, 2850, 1215, 465));
    cmdRun_->setToolTip(QStringLiteral("Run Iteration"));
    connect(cmdRun_, &QPushButton::clicked, this, &MainWindow::cmdRun_Click);
    cmdStop_ = NewButton(this, "cmdStop", captions::kStopCaption, TwipsRect(6300, 2850, 1155, 465));
    cmdStop_->setEnabled(false);
    connect(cmdStop_, &QPushButton::clicked, this, &MainWindow::cmdStop_Click);
    auto* clear = NewButton(this, "cmdClearPhero", captions::kClearPheroCaption,
                            TwipsRect(30, 30, 1155, 525));
    connect(clear, &QPushButton::clicked, this, &MainWindow::cmdClearPhero_Click);
    auto* showPhero = NewButton(this, "cmdShowPhero", captions::kShowPheroCaption,
                                TwipsRect(4380, 3540, 2325, 465));
    connect(showPhero, &QPushButton::clicked, this, &MainWindow::cmdShowPhero_Click);
    auto* showBest = NewButton(this, "cmdShowBestLay", captions::kShowBestLayCaption,
                               TwipsRect(4380, 4080, 2325, 465));
    connect(showBest, &QPushButton::clicked, this, &MainWindow::cmdShowBestLay_Click);
}

void MainWindow::BuildGraphArea() {
    picture1_ = new ProgressGraph(this);
    picture1_->setGeometry(TwipsRect(3630, 0, 3915, 2295));
    connect(picture1_, &ProgressGraph::filesDropped, this, &MainWindow::Picture1_OLEDragDrop);

    const QFont small = GeorgianFont(kSmallCaptionPointSize);
    auto* labGrOff = NewLabel(this, "labGrOff", CaptionText(captions::kGrOffCaption),
                              TwipsRect(3660, 2340, 555, 255), small);
    txtGrOffs_ = NewEditBox(this, QStringLiteral("txtGrOffs"), QStringLiteral("-0.9"));
    txtGrOffs_->setGeometry(TwipsRect(4260, 2310, 405, 315));
    auto* labGrScale = NewLabel(this, "labGrScale", CaptionText(captions::kGrScaleCaption),
                                TwipsRect(4710, 2340, 585, 255), small);
    txtGrScale_ = NewEditBox(this, QStringLiteral("txtGrScale"), QStringLiteral("1"));
    txtGrScale_->setGeometry(TwipsRect(5340, 2280, 435, 315));
    auto* labAvrgGrade = NewLabel(this, "labAvrgGrade", CaptionText(captions::kAvrgGradeCaption),
                                  TwipsRect(5820, 2370, 615, 255), small);
    txtAvrgGrade_ = NewDisplayBox(this, QStringLiteral("txtAvrgGrade"));
    txtAvrgGrade_->setGeometry(TwipsRect(6480, 2310, 1035, 360));
    QFont avrgFont = txtAvrgGrade_->font();
    avrgFont.setPointSizeF(12);
    txtAvrgGrade_->setFont(avrgFont);

    graphSettings_ = {txtAvrgGrade_, labAvrgGrade, labGrOff, labGrScale, txtGrScale_, txtGrOffs_};
    for (QWidget* control : graphSettings_) control->setVisible(false);
}

void MainWindow::ConnectHost() {
    const auto follow = [this](QLineEdit* box, RunParam param) {
        host_->SetParamText(param, box->text());
        connect(box, &QLineEdit::textChanged, this, [this, box, param](const QString& text) {
            host_->SetParamText(param, text);
            MarkParamBox(box, param);
        });
    };
    follow(txtAnts_, RunParam::Ants);
    follow(txtPheroSens_, RunParam::Sensitivity);
    follow(txtPheroModifK_, RunParam::Reinforcement);
    host_->SetAco(chkACO_->isChecked());
    connect(chkACO_, &QCheckBox::toggled, this, [this](bool checked) { host_->SetAco(checked); });
    host_->SetGraph(chkDrawGraph_->isChecked());
    connect(chkDrawGraph_, &QCheckBox::toggled, this,
            [this](bool checked) { host_->SetGraph(checked); });
}

void MainWindow::CenterOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::SetRunState(bool running) {
    cmdRun_->setEnabled(!running);
    cmdStop_->setEnabled(running);
    MarkParamBoxes();
    if (!running) RefreshPanel();
}

void MainWindow::MarkParamBoxes() {
    MarkParamBox(txtPheroSens_, RunParam::Sensitivity);
    MarkParamBox(txtPheroModifK_, RunParam::Reinforcement);
}

void MainWindow::MarkParamBox(QLineEdit* box, RunParam param) {
    if (param == RunParam::Ants) return;  // read once, when a run starts
    const bool unused = IsRunning() && !ParseParamNumber(box->text().toStdString());
    if (unused == box->property("unused").toBool()) {
        if (unused) box->setToolTip(UnusedParamTip(host_->ParamValue(param)));
        return;
    }
    box->setProperty("unused", unused);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, unused ? QColor(255, 200, 200)
                                            : QApplication::palette(box).color(QPalette::Base));
    box->setPalette(palette);
    box->setToolTip(unused ? UnusedParamTip(host_->ParamValue(param)) : QString());
}

bool MainWindow::IsRunning() const {
    return !cmdRun_->isEnabled();
}

void MainWindow::RefreshPanel() {
    const CriteriaPanel& panel = engine_.workspace().panel;
    panel_->Refresh(panel);
    panel_->ShowIterN(engine_.iterN());
    SetBoxText(txtAvrgGrade_, QString::fromStdString(panel.avrgGrade.Text()));
}

void MainWindow::cmdRun_Click() {
    if (IsRunning()) return;
    engine_.RunEvaluation(*host_);
}

void MainWindow::cmdStop_Click() {
    engine_.RequestStop();
}

void MainWindow::cmdClearPhero_Click() {
    engine_.ClearPheromones();
}

void MainWindow::cmdShowBestLay_Click() {
    emit showBestLayRequested();
}

void MainWindow::cmdShowPhero_Click() {
    emit showPheroRequested();
}

void MainWindow::chkACO_Click() {
    for (QWidget* control : {static_cast<QWidget*>(labAnts_), static_cast<QWidget*>(txtAnts_),
                             static_cast<QWidget*>(labSens_), static_cast<QWidget*>(txtPheroSens_)})
        control->setVisible(chkACO_->isChecked());
}

void MainWindow::chkDrawGraph_Click() {
    for (QWidget* control : graphSettings_) control->setVisible(chkDrawGraph_->isChecked());
}

void MainWindow::Timer1_Timer() {
    engine_.SecondTick(*host_);
}

void MainWindow::Timer2_Timer() {
    picture1_->Redraw(engine_.ring(), chkDrawGraph_->isChecked(), txtGrOffs_->text().toStdString(),
                      txtGrScale_->text().toStdString());
}

void MainWindow::Form_OLEDragDrop(const QStringList& paths) {
    emit layoutFilesDropped(paths);
}

void MainWindow::Picture1_OLEDragDrop(const QStringList& paths) {
    emit layoutFilesDropped(paths);
}

void MainWindow::RequestClose() {
    const QWindow* native = windowHandle();
    if (native && native->handle()) {
        close();
        return;
    }
    if (IsRunning()) {
        engine_.RequestExit();
        return;
    }
    lossWatch_->SetClosing();
    hide();
    emit programEnded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (IsRunning()) {
        // The run ends its pass, saves the store and then closes the window itself.
        engine_.RequestExit();
        event->ignore();
        return;
    }
    lossWatch_->SetClosing();
    event->accept();
    emit programEnded();
}

bool MainWindow::IsBareClientArea(const QPoint& pos) const {
    const QWidget* child = childAt(pos);
    return child == nullptr || child == panel_;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (IsBareClientArea(event->position().toPoint()) &&
        !DroppedFilePaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (IsBareClientArea(event->position().toPoint()) &&
        !DroppedFilePaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedFilePaths(event->mimeData());
    if (!IsBareClientArea(event->position().toPoint()) || paths.isEmpty()) return;
    event->acceptProposedAction();
    Form_OLEDragDrop(paths);
}

}  // namespace antkeys
