#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "forms/open_command.h"
#include "forms/window_calls.h"
#include "items/item_fields.h"
#include "items/rom_item_editor.h"
#include "win32/control_tips.h"
#include "win32/item_completion.h"
#include "win32/item_table_window.h"
#include "win32/native_form.h"
#include "win32/owned_window.h"
#include "win32/save_prompt.h"

// The main window. It holds no item logic: each command gathers what the
// controls show, makes one call of the core and applies the result. The
// controls are the only place the item's fields live between commands.
class Editor final : private OwnedWindow {
 public:
  // Creates the window, hidden. Tests hand in fakes of the file dialog, the
  // message box and the question the item table asks before its unsaved
  // edits would be lost; users get the defaults.
  explicit Editor(DialogSource dialogs = DefaultDialogs(), MessageSink<HWND> showMessage = DefaultMessages(),
                  SavePrompt askToSave = AskToSave);
  ~Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  HWND Window() const { return window_; }
  HWND Control(std::string_view name) const { return form_->Control(name); }
  HWND AboutWindow() const { return IsWindow(about_) ? about_ : nullptr; }
  // The loaded item's description over the Item frame's controls.
  const ControlTips& ItemTips() const { return *itemTips_; }
  // Over "Rom Loaded:": a header of the hack's own, tables found elsewhere.
  const ControlTips& LabelTips() const { return *labelTips_; }
  // What the value of an explained field means (forms/field_tips.h); none
  // before the field first had a value.
  const ControlTips* FieldTips(std::string_view control) const;
  // The item table's window while it is open.
  ItemTableWindow* TableWindow() const { return table_ && table_->IsOpen() ? table_.get() : nullptr; }
  // Ctrl+O, Ctrl+S and Ctrl+T, for the message loop.
  HACCEL Accelerators() const { return accelerators_; }
  // The command identifier of a menu entry, as the menu and its shortcut send it.
  static int CommandId(std::string_view entry);
  // Opens `path` (UTF-8) as Open does the file its dialog returns: the file
  // the program was started with and a file dropped onto the window.
  void OpenFile(const std::string& path);

 private:
  static DialogSource DefaultDialogs();
  static MessageSink<HWND> DefaultMessages();
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Command(int id, int notification);
  void Layout(UINT dpi);
  void CreateMenus();
  void FillLists();

  void OnOpen();
  void OnDrop(HDROP drop);
  void ApplyOpen(const OpenCommandResult& result);
  void OnLoad();
  void OnSave();
  void OnAbout();
  void OnItemTable();
  void OnExit();
  // Settles the item table's unsaved edits first; false when they stay.
  bool SettleTable();
  // The item table follows the ROM that an Open leaves open.
  void FollowOpen(bool supported);

  void ShowFields(const ItemFields& fields);
  ItemFields GatherFields() const;
  void ExplainFields();
  void ShowPocket(int16_t value);
  void ShowItemNames();
  int16_t SelectedPocket() const;

  RomItemEditor rom_;
  ItemNameList shownNames_;  // what the item list shows
  DialogSource dialogs_;
  MessageSink<HWND> showMessage_;
  SavePrompt askToSave_;
  HWND about_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::unique_ptr<NativeForm> form_;
  std::unique_ptr<ItemCompletion> completion_;
  std::unique_ptr<ControlTips> itemTips_;
  std::unique_ptr<ControlTips> labelTips_;
  std::map<std::string_view, std::unique_ptr<ControlTips>, std::less<>> fieldTips_;
  std::unique_ptr<ItemTableWindow> table_;
};
