// Reports the time from the launch of this process to the first paint of
// one named widget, then ends the process at once. The launcher puts its
// CLOCK_MONOTONIC reading, taken just before it started this process, in
// QUORIN_BENCH_T0 (nanoseconds); the figure printed is in microseconds.
#pragma once

#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

class FirstPaint : public QObject {
public:
    explicit FirstPaint(const char* target) : target_(target) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->objectName() == target_) {
            seen_ = true;
            // Reported once the window system has the painted pixels: the
            // zero timer runs after the repaint that holds this paint is flushed.
            QTimer::singleShot(0, [] { report(); });
        }
        return false;
    }

private:
    static void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nowNs = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
        const char* t0 = std::getenv("QUORIN_BENCH_T0");
        const long long startNs = t0 ? std::atoll(t0) : nowNs;
        std::printf("%lld\n", (nowNs - startNs) / 1000);
        std::fflush(stdout);
        std::_Exit(0);
    }

    QString target_;
    bool seen_ = false;
};
