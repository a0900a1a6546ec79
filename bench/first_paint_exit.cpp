// Linked into a Qt Widgets program, this ends it just after its first paint
// and prints when that was, how much memory it had needed until then and
// how much processor time.
// The program's own code stays as it is: the watch starts from inside the
// application object's constructor.
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The process's peak resident memory so far, in KiB.
long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:" && status >> value) return value;
    status.ignore(256, '\n');
  }
  return -1;
}

// Processor time, user and system, so far: less swayed than the wall clock
// by other programs on a busy machine.
long long CpuMicroseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto micros = [](const timeval& time) { return time.tv_sec * 1000000LL + time.tv_usec; };
  return micros(usage.ru_utime) + micros(usage.ru_stime);
}

void ReportAndQuit() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::printf("first_paint_us %lld\npeak_rss_kib %ld\ncpu_us %lld\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
              PeakResidentKiB(), CpuMicroseconds());
  std::fflush(stdout);
  QCoreApplication::exit(0);
}

class FirstPaintWatch : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      QCoreApplication::instance()->removeEventFilter(this);
      // Queued, so that it runs once the whole window is painted and shown.
      QMetaObject::invokeMethod(QCoreApplication::instance(), ReportAndQuit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }
};

void WatchFirstPaint() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new FirstPaintWatch(app));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
