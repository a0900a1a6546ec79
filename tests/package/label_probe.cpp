// Loaded into an installed editor through QT_QPA_GENERIC_PLUGINS, so that a
// script can see what its window shows: as soon as the edition label reads
// anything but "None", the probe prints it and closes the windows, which
// ends the program.
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

class LabelProbe : public QObject {
 public:
  LabelProbe() {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &LabelProbe::look);
    timer->start(50);
  }

 private:
  static void look() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      const auto* label = window->findChild<QLabel*>(QStringLiteral("Witchita"));
      if (label == nullptr || label->text() == QStringLiteral("None")) continue;
      std::printf("%s\n", label->text().toUtf8().constData());
      std::fflush(stdout);
      QApplication::closeAllWindows();
      return;
    }
  }
};

}  // namespace

class LabelProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "label_probe.json")

 public:
  QObject* create(const QString&, const QString&) override { return new LabelProbe; }
};

#include "label_probe.moc"
