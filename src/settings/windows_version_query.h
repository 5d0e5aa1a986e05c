// The Windows version code of the running system.
#pragma once

#include "model/windows_version.h"

WindowsVersion GetWindowsVersion();
