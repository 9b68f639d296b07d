#pragma once
// The command line that starts the mail client named in the mail-client field.

#include <functional>
#include <string>
#include <string_view>

namespace pbw {

// When the whole field text names an existing file it is quoted, so that a path with blanks
// ("C:\Program Files\Mail\mail.exe") can never start a shorter program ("C:\Program.exe").
// Otherwise the text is the command line as it stands: a path optionally followed by arguments,
// or a text that is already quoted.
std::wstring MailClientCommandLine(std::wstring_view fieldText,
                                   const std::function<bool(const std::wstring&)>& namesExistingFile);

}  // namespace pbw
