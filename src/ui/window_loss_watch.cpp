#include "ui/window_loss_watch.hpp"

#include <cstdint>

#include <QCoreApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace antkeys {
namespace {

// The start of an X11 DestroyNotify event as the xcb platform hands it to native filters.
struct XcbDestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t kXcbDestroyNotify = 17;

}  // namespace

WindowLossWatch::WindowLossWatch(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
    WatchHandle();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowLossWatch::~WindowLossWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

void WindowLossWatch::WatchHandle() {
    if (QWindow* handle = window_.windowHandle()) {
        handle->installEventFilter(this);
        nativeId_ = static_cast<quintptr>(window_.internalWinId());
    }
}

bool WindowLossWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        // The native window exists from the first show on.
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) WatchHandle();
        return false;
    }
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        WindowLost();
    return false;
}

bool WindowLossWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                        qintptr* /*result*/) {
    if (nativeId_ == 0 || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const XcbDestroyNotify*>(message);
    if ((event->responseType & 0x7f) == kXcbDestroyNotify && event->window == nativeId_)
        WindowLost();
    return false;
}

void WindowLossWatch::WindowLost() {
    if (closing_ || lost_) return;
    lost_ = true;
    // Not from inside the platform's event handling.
    QTimer::singleShot(0, this, &WindowLossWatch::closeRequested);
}

}  // namespace antkeys
