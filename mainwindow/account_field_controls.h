#pragma once
// Which control of the main window shows which account setting. Loading, saving and the check
// engine all go through this one list.

#include <array>
#include <string>

#include "mainwindow/form1_layout.h"
#include "settings/mailbox_settings.h"

namespace pbw {

using AccountSetting = std::wstring MailboxSettings::*;

struct AccountFieldControl {
  ControlId control;
  AccountSetting setting;
};

inline constexpr std::array<AccountFieldControl, 4> kAccountFieldControls{{
    {ControlId::ServerNameTB, &MailboxSettings::ServerName},
    {ControlId::PostfachNameTB, &MailboxSettings::PostfachName},
    {ControlId::PasswortTB, &MailboxSettings::Passwort},
    {ControlId::MailClientTB, &MailboxSettings::MailClient},
}};

// The control that shows the setting; only settings of the list compile.
consteval ControlId ControlOf(AccountSetting setting) {
  for (const AccountFieldControl& field : kAccountFieldControls) {
    if (field.setting == setting) return field.control;
  }
  throw "not an account field";
}

}  // namespace pbw
