#include "ui/about_window.h"

#include <QPushButton>

#include "forms/about_form.h"
#include "ui/app_icon.h"
#include "ui/form_builder.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

frmAbout::frmAbout() {
  const FormDescription& form = AboutForm();
  setObjectName(FromUtf8(form.name));
  setWindowTitle(FromUtf8(form.caption));
  setWindowIcon(KestruneIcon());
  // A tool window keeps it off the taskbar. Tool windows do not keep the
  // program running by default; this one does, as the program ends only when
  // its last window closes.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_QuitOnClose, true);
  setAttribute(Qt::WA_DeleteOnClose, true);
  setFixedSize(Twips(form.clientWidth), Twips(form.clientHeight));
  createControls();
}

void frmAbout::createControls() {
  const FormControls controls(AboutForm(), this);
  auto* ok = controls.get<QPushButton>("cmdOK");
  // Default and cancel button alike: Enter presses it, and Esc closes the
  // window through the dialog's own reject.
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();
}
