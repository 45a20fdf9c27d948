#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace vintrel::bench {
namespace {

std::chrono::steady_clock::time_point mainEntered;

// Peak resident set size in kB, as the kernel keeps it.
long PeakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

long long Nanoseconds(std::chrono::steady_clock::time_point point) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(point.time_since_epoch()).count();
}

class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The paint event opens the frame; the queued call runs once the
            // whole frame has been painted and handed to the platform.
            QMetaObject::invokeMethod(this, &FirstPaintWatch::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        // steady_clock is CLOCK_MONOTONIC, which the spawning process shares.
        std::printf("vmhwm_kb=%ld main_ns=%lld painted_ns=%lld\n", PeakResidentKilobytes(),
                    Nanoseconds(mainEntered), Nanoseconds(std::chrono::steady_clock::now()));
        std::fflush(stdout);
        _exit(0);
    }

    bool seen_ = false;
};

}  // namespace

void NoteMainEntered() { mainEntered = std::chrono::steady_clock::now(); }

void ExitAfterFirstPaint(QWidget& widget) { new FirstPaintWatch(widget); }

}  // namespace vintrel::bench
