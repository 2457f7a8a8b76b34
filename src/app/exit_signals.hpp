#pragma once
// SIGINT and SIGTERM ask the main window to close, as the user's close would: at rest the
// program ends at once, during a run after the run has saved. The signal handler only writes
// a byte to a pipe; the event loop reads it and emits closeRequested.
#include <QObject>

class QSocketNotifier;

namespace antkeys {

class ExitSignals : public QObject {
    Q_OBJECT
  public:
    explicit ExitSignals(QObject* parent = nullptr);
    // Restores the previous handlers.
    ~ExitSignals() override;

    bool installed() const { return notifier_ != nullptr; }

  signals:
    void closeRequested();

  private:
    void OnReadable();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace antkeys
