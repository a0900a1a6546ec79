#pragma once

#include <QDialog>

// The About window: the program's name, version, what it does and its
// credits, above an OK button that closes it. Shown without an owner and
// without blocking; it deletes itself when closed.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  frmAbout();

 private:
  void createControls();
};
