// The own path of a running installer or uninstaller and the check that it runs
// under its shipped name. Windows edge of own_path.h.
#pragma once

#include "common/own_path.h"

// The program's own path from its command line; when that is a bare name or a
// relative path (the current directory need not be the program's folder), or
// names no file (an unquoted path cut at a blank), the module's file name
// instead. When the file name is not `properName` (A to Z compared without
// case), shows "Do not try to rename ..." under `caption`, deletes any file of
// the proper name beside it, renames the running file to that name and ends the
// process with status 1.
OwnPath checkedOwnPath(const char* properName, const char* caption);
