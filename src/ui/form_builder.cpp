#include "ui/form_builder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/qt_text.h"
#include "ui/twips.h"

namespace {

QRect Geometry(const TwipsBox& rect) { return TwipsRect(rect.left, rect.top, rect.width, rect.height); }

QLabel* MakeLabel(const ControlDescription& control, QWidget* container) {
  auto* label = new QLabel(FromUtf8(control.caption), container);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  if (control.blackText) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
  }
  return label;
}

QWidget* MakeLine(const ControlDescription& control, QWidget* container) {
  auto* line = new QWidget(container);
  line->setProperty("index", control.index);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(control.lineColour));
  line->setPalette(palette);
  return line;
}

QLineEdit* MakeTextBox(const ControlDescription& control, QWidget* container) {
  auto* box = new QLineEdit(container);
  if (control.maxLength > 0) box->setMaxLength(control.maxLength);
  return box;
}

}  // namespace

FormControls::FormControls(const FormDescription& form, QWidget* client) : form_(form) {
  for (const ControlDescription& control : form.controls) {
    QWidget* container = control.container.empty() ? client : controls_.at(control.container);
    QWidget* widget = create(control, container);
    widget->setObjectName(FromUtf8(control.name));
    if (control.kind == ControlKind::Line) {
      const TwipsBox& r = control.rect;
      widget->setGeometry(Twips(r.left), Twips(r.top), Twips(r.left + r.width) - Twips(r.left), control.linePixels);
      continue;
    }
    widget->setGeometry(Geometry(control.rect));
    widget->setEnabled(control.enabledAtStart);
    if (auto* frame = qobject_cast<QGroupBox*>(container); frame != nullptr && TakesFocus(control.kind)) {
      widget->setAccessibleName(frame->title());
    }
    controls_[control.name] = widget;
  }
}

QWidget* FormControls::create(const ControlDescription& control, QWidget* container) const {
  switch (control.kind) {
    case ControlKind::Frame:
      return new QGroupBox(FromUtf8(control.caption), container);
    case ControlKind::Label:
      return MakeLabel(control, container);
    case ControlKind::TextBox:
      return MakeTextBox(control, container);
    case ControlKind::TypingList:
    case ControlKind::ChoiceList: {
      auto* list = new QComboBox(container);
      list->setEditable(control.kind == ControlKind::TypingList);
      return list;
    }
    case ControlKind::Button:
      return new QPushButton(FromUtf8(control.caption), container);
    case ControlKind::Line:
      return MakeLine(control, container);
  }
  return nullptr;
}

std::vector<QWidget*> FormControls::tabOrder() const {
  const std::vector<const ControlDescription*> design = TabOrder(form_);
  std::vector<QWidget*> order;
  order.reserve(design.size());
  for (const ControlDescription* control : design) order.push_back(controls_.at(control->name));
  return order;
}
