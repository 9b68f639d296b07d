#pragma once
// Hands a document, a web address or a "mailto:" address to the shell, which opens it with the
// program associated with it. Nothing is reported: the shell shows its own messages, if any.

#include <string>

namespace pbw {

// `show` is a show-window code; 0 stands for "none given" and opens a normal window.
void ShellOpen(const std::wstring& target, short show);

// The maker's web site, maximised.
void OpenMakerWebSite();
// The partner magazine's web site, in a normal window.
void OpenMagazineWebSite();

}  // namespace pbw
