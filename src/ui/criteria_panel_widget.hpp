#pragma once
// The criteria panel of the main window: the reference, current and best figures of the six
// criteria, the grade row and the layout counter labIterN. It shows the texts the core keeps
// in its CriteriaPanel.
#include <array>

#include <QString>
#include <QWidget>

#include "data/types.hpp"
#include "eval/panel.hpp"

class QLabel;
class QLineEdit;

namespace antkeys {

class CriteriaPanelWidget : public QWidget {
    Q_OBJECT
  public:
    explicit CriteriaPanelWidget(QWidget* parent);

    // Shows the panel's texts; boxes whose text is unchanged are not touched.
    void Refresh(const CriteriaPanel& panel);
    // labIterN: the caption followed directly by the layout counter (the caption alone
    // before the first layout).
    void ShowIterN(Long iterN);

  private:
    QLineEdit* AddBox(const QString& name, int left, int top, int width, int height);
    QLabel* AddLabel(const QString& name, const QString& text, int left, int top, int width,
                     int height, Qt::Alignment alignment);
    void AddLine(const QString& name, int x1, int x2, int y);

    std::array<QLineEdit*, 7> v0Perc_{};
    std::array<QLineEdit*, 7> v1_{};
    std::array<QLineEdit*, 7> vPerc_{};
    std::array<QLineEdit*, 7> vMaxPerc_{};
    QLineEdit* refGrade_ = nullptr;
    QLineEdit* currGrade_ = nullptr;
    QLineEdit* difGrade_ = nullptr;
    QLineEdit* bestGrade_ = nullptr;
    QLabel* iterN_ = nullptr;
    QString iterNCaption_;  // looked up once: the counter is shown many times a second
    Long shownIterN_ = 0;
};

}  // namespace antkeys
