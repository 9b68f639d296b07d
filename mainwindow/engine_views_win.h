#pragma once
// The main window's controls as the check engine sees them.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/control_extension_win.h"
#include "engine/engine_ports.h"
#include "mainwindow/account_field_controls.h"
#include "mainwindow/form1_controls_win.h"

namespace pbw {

class StatusBarPanel final : public StatusPanel {
 public:
  explicit StatusBarPanel(HWND statusBar) : statusBar_(statusBar) {}
  void SetText(const std::wstring& text) override;

 private:
  HWND statusBar_;
};

// The trace box. Its text goes into the edit control only when something asks the control for
// anything (another program its text, a paint): under Wine every change of a multi-line edit costs
// a third of a millisecond or more, and the box lies outside the window's visible area.
class TraceEdit final : public TraceView {
 public:
  explicit TraceEdit(HWND edit) : edit_(edit) {}
  TraceEdit(const TraceEdit&) = delete;
  TraceEdit& operator=(const TraceEdit&) = delete;

  void Replace(const std::wstring& text) override;
  void Append(const std::wstring& text) override;

 private:
  friend class ControlHook<TraceEdit>;
  LRESULT HandleMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  // Hands the text that waits to the control.
  void Write();
  void MoveCaretToEnd();

  HWND edit_;
  // Text the control has not had yet, and whether it replaces the control's text or follows it.
  std::wstring unwritten_;
  bool replacing_ = false;
  // Last, so that it is gone before the text it hands over. Without it the text goes in at once.
  ControlHook<TraceEdit> watching_{edit_, *this};
};

class AccountFieldEdits final : public AccountFields {
 public:
  explicit AccountFieldEdits(const Form1Controls& controls) : controls_(controls) {}
  std::wstring ServerText() const override { return Text(ControlOf(&MailboxSettings::ServerName)); }
  std::wstring MailboxText() const override { return Text(ControlOf(&MailboxSettings::PostfachName)); }
  std::wstring PasswordText() const override { return Text(ControlOf(&MailboxSettings::Passwort)); }
  std::wstring MailClientText() const override { return Text(ControlOf(&MailboxSettings::MailClient)); }

 private:
  std::wstring Text(ControlId control) const;

  const Form1Controls& controls_;
};

class IntervalComboBox final : public IntervalListView {
 public:
  explicit IntervalComboBox(HWND comboBox) : comboBox_(comboBox) {}
  void AppendEntry(std::wstring_view entry) override;
  void SelectIndex(std::int16_t index) override;
  std::wstring SelectedEntryText() const override;

 private:
  HWND comboBox_;
};

}  // namespace pbw
