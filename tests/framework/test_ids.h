// Identifiers of the framework tests' dialog.
#pragma once

#define IDD_PROBE 100
#define IDC_PROBE_EDIT 200
