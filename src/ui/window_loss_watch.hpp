#pragma once
// Notices when the main window's native window is destroyed without a close (the window
// system destroyed it, e.g. after a crash of the window manager) and asks for a close, so a
// run still ends after the layout in hand and saves the store instead of going on unseen.
#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

namespace antkeys {

class WindowLossWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    // Watches `window`, a top-level widget, and becomes its child.
    explicit WindowLossWatch(QWidget& window);
    ~WindowLossWatch() override;

    // The window's own close has begun: its native window may go now.
    void SetClosing() { closing_ = true; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  signals:
    // Delivered once, from the event loop.
    void closeRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void WindowLost();
    void WatchHandle();

    QWidget& window_;
    quintptr nativeId_ = 0;
    bool closing_ = false;
    bool lost_ = false;
};

}  // namespace antkeys
