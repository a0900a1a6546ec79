#include "win32/editor_window.h"

#include <cassert>
#include <vector>

#include "dialogs/win32_file_dialog.h"
#include "forms/editor_form.h"
#include "forms/field_tips.h"
#include "forms/item_choice.h"
#include "items/item_names.h"
#include "items/refusal.h"
#include "win32/about_window.h"
#include "win32/dropped_file.h"
#include "win32/menu_bar.h"
#include "win32/message_box.h"
#include "win32/program_windows.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t ClassName[] = L"KestruneEditor";
// A fixed border and no usable maximise button.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Menu commands count from here; Enter and Esc send IDOK and IDCANCEL, which run no command.
constexpr int FirstCommandId = 100;
constexpr int FirstControlId = 2000;
constexpr int CompletionId = 2999;
constexpr int KnownPockets = static_cast<int>(PocketCount);
constexpr int FirstViewCommandId = 190;

std::span<const MenuDescription> ViewMenus() { return {&EditorViewMenu(), 1}; }

// Adds an entry that carries `value`, as the pocket list's entries carry their byte.
void AddEntry(HWND list, std::string_view text, LPARAM value) {
  const auto entry = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(entry), value);
}

// Posted when the item chooser or its suggestions lose the focus, to close
// the suggestions once the focus has settled elsewhere.
constexpr UINT FocusSettled = WM_APP + 1;

}  // namespace

DialogSource Editor::DefaultDialogs() {
  return [] { return std::make_shared<Win32FileDialog>(); };
}
MessageSink<HWND> Editor::DefaultMessages() { return ShowMessage; }

int Editor::CommandId(std::string_view entry) {
  int id = MenuCommandId(EditorForm().menus, FirstCommandId, entry);
  if (id < 0) id = MenuCommandId(ViewMenus(), FirstViewCommandId, entry);
  assert(id >= 0 && "the menus have no such entry");
  return id;
}

Editor::Editor(DialogSource dialogs, MessageSink<HWND> showMessage, SavePrompt askToSave)
    : dialogs_(std::move(dialogs)), showMessage_(std::move(showMessage)), askToSave_(std::move(askToSave)) {
  static const bool registered = (RegisterProgramWindowClass(ClassName, &OwnedWindow::Procedure), true);
  (void)registered;
  // Files dropped onto the window arrive as WM_DROPFILES.
  window_ = CreateWindowExW(WS_EX_ACCEPTFILES, ClassName, Wide(EditorForm().caption).c_str(), Style, CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), CreationParameter());
  CreateMenus();
  form_ = std::make_unique<NativeForm>(EditorForm(), window_, FirstControlId);
  completion_ = std::make_unique<ItemCompletion>(window_, Control("Item"), CompletionId);
  // The chooser's text box takes the mouse over most of the chooser.
  COMBOBOXINFO chooser{};
  chooser.cbSize = sizeof(chooser);
  GetComboBoxInfo(Control("Item"), &chooser);
  itemTips_ =
      std::make_unique<ControlTips>(window_, std::vector<HWND>{Control("Item"), chooser.hwndItem, Control("Load")});
  labelTips_ = std::make_unique<ControlTips>(window_, std::vector<HWND>{Control("Witchita")});
  FillLists();
  const UINT dpi = GetDpiForWindow(window_);
  Layout(dpi);
  const SIZE client = NativeForm::ClientSize(EditorForm(), dpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, Style, TRUE, 0, dpi);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Editor::~Editor() {
  if (IsWindow(window_)) DestroyWindow(window_);
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

void Editor::Layout(UINT dpi) {
  form_->Layout(dpi);
  form_->WidenToCaption("Label1");
}

void Editor::CreateMenus() {
  HMENU bar = CreateMenu();
  std::vector<ACCEL> shortcuts;
  for (const MenuDescription& menu : EditorForm().menus) {
    // The designed menus stay as they are, and View goes before Help.
    if (menu.name == "Help") AppendMenuOf(bar, ViewMenus(), EditorViewMenu(), FirstViewCommandId, shortcuts);
    AppendMenuOf(bar, EditorForm().menus, menu, FirstCommandId, shortcuts);
  }
  // Until a supported ROM is open; a disabled entry's shortcut does nothing either.
  EnableMenuItem(bar, static_cast<UINT>(CommandId("ItemTable")), MF_BYCOMMAND | MF_GRAYED);
  SetMenu(window_, bar);
  accelerators_ = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

void Editor::FillLists() {
  for (size_t item = 0; item < ItemCount; ++item) AddEntry(Control("Item"), shownNames_[item], 0);
  for (size_t pocket = 0; pocket < PocketCount; ++pocket) {
    AddEntry(Control("Pocket"), PocketNames[pocket], static_cast<LPARAM>(pocket));
  }
}

LRESULT Editor::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      OnExit();
      return 0;
    case WM_DROPFILES:
      OnDrop(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      // As in the Linux window, a disabled frame's caption is greyed; Wine's
      // group boxes draw it in the text colour that they are given here.
      const LRESULT brush = DefWindowProcW(window_, message, wParam, lParam);
      if (!IsWindowEnabled(reinterpret_cast<HWND>(lParam))) {
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_GRAYTEXT));
      }
      return brush;
    }
    case FocusSettled:
      completion_->CloseUnlessFocused();
      return 0;
    case WM_DPICHANGED: {
      Layout(HIWORD(wParam));
      TakeSuggestedRect(lParam);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void Editor::Command(int id, int notification) {
  if (id == CommandId("Open")) return OnOpen();
  if (id == CommandId("Save")) return OnSave();
  if (id == CommandId("Exit")) return OnExit();
  if (id == CommandId("About")) return OnAbout();
  if (id == CommandId("ItemTable")) return OnItemTable();
  if (id == form_->Id("Load") && notification == BN_CLICKED) return OnLoad();
  if (id == form_->Id("Item") && notification == CBN_EDITCHANGE) return completion_->Update(rom_.Names().Views());
  if (id == form_->Id("Item") && notification == CBN_SELCHANGE) return completion_->Close();
  if (id == CompletionId && notification == LBN_SELCHANGE) return static_cast<void>(completion_->Accept());
  if ((id == form_->Id("Item") && notification == CBN_KILLFOCUS) ||
      (id == CompletionId && notification == LBN_KILLFOCUS)) {
    PostMessageW(window_, FocusSettled, 0, 0);
    return;
  }
  if (notification == EN_CHANGE || (id == form_->Id("Pocket") && notification == CBN_SELCHANGE)) {
    return ExplainFields();
  }
  // Enter and Esc only choose or dismiss a suggestion.
  if (id == IDOK) return static_cast<void>(completion_->Accept());
  if (id == IDCANCEL) return completion_->Close();
}

void Editor::OnOpen() {
  const auto letGo = [this] { return SettleTable(); };
  if (const auto result = RunOpenCommand(rom_, dialogs_(), reinterpret_cast<intptr_t>(window_), letGo)) {
    ApplyOpen(*result);
  }
}

void Editor::OpenFile(const std::string& path) {
  if (!SettleTable()) return;
  ApplyOpen(OpenChosenRom(rom_, path));
}

void Editor::OnDrop(HDROP drop) {
  if (const std::optional<std::string> path = DroppedFile(drop)) OpenFile(*path);
}

void Editor::ApplyOpen(const OpenCommandResult& result) {
  SetText(Control("Witchita"), result.label);
  labelTips_->SetText(result.labelTip);
  ShowItemNames();
  // The routines' names are the new ROM's.
  ExplainFields();
  for (const std::string& message : result.messages) showMessage_(window_, message);
  // A cancelled Open leaves the table, and the edits it holds, as they were.
  if (!result.cancelled) FollowOpen(result.enableFrames);
  if (!result.enableFrames) return;
  for (const std::string_view frame : EditingFrames) form_->SetFrameEnabled(frame, true);
}

// The open ROM's names, where they differ from those the list shows; the
// choice stays.
void Editor::ShowItemNames() {
  HWND list = Control("Item");
  const auto current = SendMessageW(list, CB_GETCURSEL, 0, 0);
  for (size_t item = 0; item < ItemCount; ++item) {
    const std::string& name = rom_.Names()[item];
    if (shownNames_[item] == name) continue;
    SendMessageW(list, CB_DELETESTRING, item, 0);
    SendMessageW(list, CB_INSERTSTRING, item, reinterpret_cast<LPARAM>(Wide(name).c_str()));
  }
  shownNames_ = rom_.Names();
  if (current >= 0) SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(current), 0);
}

void Editor::OnLoad() {
  completion_->Close();
  HWND item = Control("Item");
  const auto current = static_cast<int>(SendMessageW(item, CB_GETCURSEL, 0, 0));
  const RomItemEditor::LoadResult result = LoadChosenItem(rom_, current, WindowText(item));
  if (result.fields) {
    ShowFields(*result.fields);
  } else {
    showMessage_(window_, result.message);
  }
  itemTips_->SetText(result.description);
  form_->SetFrameEnabled("FrameASM", result.enableAsmFrame);
}

void Editor::OnSave() {
  const SaveOutcome outcome = rom_.SaveItem(GatherFields());
  if (!outcome.saved()) showMessage_(window_, outcome.message);
  if (outcome.saved() && TableWindow() != nullptr) table_->FileSaved();
}

void Editor::OnItemTable() {
  if (TableWindow() == nullptr) {
    try {
      table_ = std::make_unique<ItemTableWindow>(rom_.RomPath(), dialogs_, showMessage_, askToSave_);
    } catch (const Refused& refused) {
      showMessage_(window_, refused.what());
      return;
    }
  }
  table_->Activate();
}

void Editor::OnExit() {
  // The table asks first about its unsaved edits; a Cancel there keeps both windows open.
  if (!SettleTable()) return;
  table_.reset();
  DestroyWindow(window_);
}

bool Editor::SettleTable() { return TableWindow() == nullptr || table_->Settle(); }

void Editor::FollowOpen(bool supported) {
  EnableMenuItem(GetMenu(window_), static_cast<UINT>(CommandId("ItemTable")),
                 static_cast<UINT>(MF_BYCOMMAND | (supported ? MF_ENABLED : MF_GRAYED)));
  if (TableWindow() == nullptr) return;
  if (supported) {
    try {
      return table_->ShowRom(rom_.RomPath());
    } catch (const Refused& refused) {
      showMessage_(window_, refused.what());
    }
  }
  table_.reset();
}

void Editor::OnAbout() {
  // One About window at a time; once closed, the next About builds it afresh.
  if (!IsWindow(about_)) about_ = frmAbout::Show();
  ShowWindow(about_, SW_SHOWNORMAL);
  SetForegroundWindow(about_);
}

void Editor::ShowFields(const ItemFields& fields) {
  SetText(Control("Price"), fields.Price);
  SetText(Control("Effect"), fields.Effect);
  SetText(Control("Variable"), fields.Variable);
  SetText(Control("Options"), fields.Options);
  ShowPocket(fields.Pocket);
  SetText(Control("How"), fields.How);
  SetText(Control("ASM"), fields.ASM);
  // Choosing a pocket in code sends no notification.
  ExplainFields();
}

void Editor::ExplainFields() {
  for (const FieldTip& tip : ::FieldTips(GatherFields(), rom_.Routines())) {
    std::unique_ptr<ControlTips>& tips = fieldTips_[tip.control];
    if (!tips) tips = std::make_unique<ControlTips>(window_, std::vector<HWND>{Control(tip.control)});
    tips->SetText(tip.text);
  }
}

const ControlTips* Editor::FieldTips(std::string_view control) const {
  const auto found = fieldTips_.find(control);
  return found == fieldTips_.end() ? nullptr : found->second.get();
}

ItemFields Editor::GatherFields() const {
  ItemFields fields;
  fields.Price = WindowText(Control("Price"));
  fields.Effect = WindowText(Control("Effect"));
  fields.Variable = WindowText(Control("Variable"));
  fields.Options = WindowText(Control("Options"));
  fields.Pocket = SelectedPocket();
  fields.How = WindowText(Control("How"));
  fields.ASM = WindowText(Control("ASM"));
  return fields;
}

void Editor::ShowPocket(int16_t value) {
  HWND pocket = Control("Pocket");
  // At most one extra entry: the one of the item loaded last, showing its byte.
  while (SendMessageW(pocket, CB_GETCOUNT, 0, 0) > KnownPockets) {
    SendMessageW(pocket, CB_DELETESTRING, KnownPockets, 0);
  }
  if (value >= KnownPockets) AddEntry(pocket, UnknownPocketEntry(value), value);
  const int entry = value < 0 ? -1 : std::min<int>(value, KnownPockets);
  SendMessageW(pocket, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

int16_t Editor::SelectedPocket() const {
  HWND pocket = Control("Pocket");
  const auto entry = SendMessageW(pocket, CB_GETCURSEL, 0, 0);
  if (entry == CB_ERR) return -1;
  return static_cast<int16_t>(SendMessageW(pocket, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0));
}
