#include "mainwindow/engine_views_win.h"

#include <commctrl.h>

#include <utility>

#include "common/wide_text_win.h"

namespace pbw {

void StatusBarPanel::SetText(const std::wstring& text) {
  ::SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TraceEdit::Replace(const std::wstring& text) {
  unwritten_ = text;
  replacing_ = true;
  if (!watching_) Write();
}

void TraceEdit::Append(const std::wstring& text) {
  unwritten_ += text;
  if (!watching_) Write();
}

LRESULT TraceEdit::HandleMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  Write();
  return ::DefSubclassProc(edit, message, wParam, lParam);
}

void TraceEdit::Write() {
  if (unwritten_.empty() && !replacing_) return;
  // Taken first: writing sends the control messages of its own.
  const std::wstring text = std::exchange(unwritten_, {});
  if (std::exchange(replacing_, false)) {
    ::SetWindowTextW(edit_, text.c_str());
  } else {
    // Whatever the user selected or scrolled to, the new text goes to the end.
    MoveCaretToEnd();
    ::SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // A replaced text leaves the caret at its start: the box shows the end, as after every append.
  MoveCaretToEnd();
  ::SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

void TraceEdit::MoveCaretToEnd() {
  const auto end = static_cast<WPARAM>(::GetWindowTextLengthW(edit_));
  ::SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
}

std::wstring AccountFieldEdits::Text(ControlId control) const { return WindowText(controls_[control]); }

void IntervalComboBox::AppendEntry(std::wstring_view entry) {
  ::SendMessageW(comboBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(entry).c_str()));
}

void IntervalComboBox::SelectIndex(std::int16_t index) { ::SendMessageW(comboBox_, CB_SETCURSEL, index, 0); }

std::wstring IntervalComboBox::SelectedEntryText() const {
  const LRESULT index = ::SendMessageW(comboBox_, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  const LRESULT length = ::SendMessageW(comboBox_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(comboBox_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace pbw
