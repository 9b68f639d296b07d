#pragma once
// Whether another process is this program, run by this user: only such a process may be asked to
// show its window and be handed the right to come to the front.

#include <windows.h>

namespace pbw {

// True when the process runs an image of this program's file name under this process's user.
bool RunsThisUsersProgram(DWORD processId);

}  // namespace pbw
