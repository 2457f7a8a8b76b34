#pragma once
// frmMain: the program's one permanent window. It shows the run parameters, the criteria
// panel and the progress graph, starts and stops the search, and raises the events that the
// layout and pheromone windows subscribe to.
#include <memory>

#include <QStringList>
#include <QWidget>

#include "data/key_tables.hpp"
#include "data/phero_table.hpp"
#include "data/types.hpp"
#include "search/search_host.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace antkeys {

class CriteriaPanelWidget;
class ProgressGraph;
class SearchEngine;
class SearchHost;
class WindowSearchHost;
class WindowLossWatch;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(SearchEngine& engine, QWidget* parent = nullptr);
    ~MainWindow() override;

    SearchEngine& engine() { return engine_; }
    SearchHost& host();

    // Places the window in the middle of its screen.
    void CenterOnScreen();
    // The run state the buttons hold: cmdRun disabled and cmdStop enabled during a run.
    void SetRunState(bool running);
    bool IsRunning() const;
    // Shows the core's panel texts, the layout counter and the average grade now.
    void RefreshPanel();

    static constexpr int kPanelRefreshMs = 40;

  public slots:
    void cmdRun_Click();
    void cmdStop_Click();
    void cmdClearPhero_Click();
    void cmdShowBestLay_Click();
    void cmdShowPhero_Click();
    void chkACO_Click();
    void chkDrawGraph_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    // A close asked for by the window system, a signal or the end of a run: as the user's
    // close, also when the native window is already gone (Qt then sends no close event).
    void RequestClose();
    void Form_OLEDragDrop(const QStringList& paths);
    void Picture1_OLEDragDrop(const QStringList& paths);

  signals:
    // OnRndKeyGen: once per layout of a run in ACO mode (the layout just generated).
    void OnRndKeyGen(const Layout& antLay, Single grade, const KeyTables& keys);
    // OnPheroModif: after every reinforcement.
    void OnPheroModif(const PheroTable& phero);
    // cmdShowBestLay and cmdShowPhero were clicked.
    void showBestLayRequested();
    void showPheroRequested();
    // Layout files were dropped on the bare client area or on Picture1 (during a run too).
    void layoutFilesDropped(const QStringList& paths);
    // The window closed at rest: the program ends.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildParameters();
    void BuildButtons();
    void BuildGraphArea();
    void ConnectHost();
    bool IsBareClientArea(const QPoint& pos) const;
    // During a run, a sensitivity or factor box whose text is not a number is coloured and
    // says in its tooltip that the run keeps its last number; otherwise it looks as usual.
    void MarkParamBox(QLineEdit* box, RunParam param);
    void MarkParamBoxes();

    SearchEngine& engine_;
    std::unique_ptr<WindowSearchHost> host_;

    QLabel* labAnts_ = nullptr;
    QLineEdit* txtAnts_ = nullptr;
    QLabel* labSens_ = nullptr;
    QLineEdit* txtPheroSens_ = nullptr;
    QLineEdit* txtPheroModifK_ = nullptr;
    QCheckBox* chkACO_ = nullptr;
    QCheckBox* chkDrawGraph_ = nullptr;
    QPushButton* cmdRun_ = nullptr;
    QPushButton* cmdStop_ = nullptr;

    CriteriaPanelWidget* panel_ = nullptr;
    ProgressGraph* picture1_ = nullptr;
    QList<QWidget*> graphSettings_;  // shown and hidden by chkDrawGraph
    QLineEdit* txtGrOffs_ = nullptr;
    QLineEdit* txtGrScale_ = nullptr;
    QLineEdit* txtAvrgGrade_ = nullptr;

    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* panelTimer_ = nullptr;
    WindowLossWatch* lossWatch_ = nullptr;
};

}  // namespace antkeys
