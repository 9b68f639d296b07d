#pragma once
// The main window's controls as the check engine sees them.

#include <windows.h>

#include "engine/check_schedule.h"
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

class TraceEdit final : public TraceView {
 public:
  explicit TraceEdit(HWND edit) : edit_(edit) {}
  void Replace(const std::wstring& text) override;
  void Append(const std::wstring& text) override;

 private:
  HWND edit_;
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

class IntervalComboBox final : public IntervalSelection {
 public:
  explicit IntervalComboBox(HWND comboBox) : comboBox_(comboBox) {}
  std::wstring SelectedEntryText() const override;

 private:
  HWND comboBox_;
};

}  // namespace pbw
