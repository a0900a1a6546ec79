// Linked into a Qt Widgets program, this ends it just after its first paint
// and prints when that was and how much memory it had needed until then.
// The program's own code stays as it is: the watch starts from inside the
// application object's constructor.
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

void ReportAndQuit() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::printf("first_paint_us %lld\npeak_rss_kib %ld\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
              PeakResidentKiB());
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
