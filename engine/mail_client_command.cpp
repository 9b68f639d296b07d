#include "engine/mail_client_command.h"

namespace pbw {

std::wstring MailClientCommandLine(std::wstring_view fieldText,
                                   const std::function<bool(const std::wstring&)>& namesExistingFile) {
  std::wstring text(fieldText);
  if (text.empty() || text.front() == L'"' || !namesExistingFile(text)) return text;
  return L'"' + text + L'"';
}

}  // namespace pbw
