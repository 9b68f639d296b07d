#pragma once
// The main window's controls as the check engine sees them.

#include <windows.h>

#include "engine/check_schedule.h"
#include "engine/engine_ports.h"

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

struct AccountEdits {
  HWND server, mailbox, password, mailClient;
};

class AccountFieldEdits final : public AccountFields {
 public:
  explicit AccountFieldEdits(const AccountEdits& edits) : edits_(edits) {}
  std::wstring ServerText() const override;
  std::wstring MailboxText() const override;
  std::wstring PasswordText() const override;
  std::wstring MailClientText() const override;

 private:
  AccountEdits edits_;
};

class IntervalComboBox final : public IntervalSelection {
 public:
  explicit IntervalComboBox(HWND comboBox) : comboBox_(comboBox) {}
  std::wstring SelectedEntryText() const override;

 private:
  HWND comboBox_;
};

}  // namespace pbw
