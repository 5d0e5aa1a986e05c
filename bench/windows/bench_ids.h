// Identifiers of the benchmark's own templates, kept clear of the program's resource.h because
// both sets of resources are linked into one executable.
#pragma once

#define IDD_BASELINE_VERTICAL 30501
#define IDD_BASELINE_HORIZONTAL 30502

// Six consecutive identifiers, one per ring slot.
#define IDC_BASE_RING1 30510
#define IDC_BASE_VALUE 30520
#define IDC_BASE_UNIT 30521
#define IDC_BASE_TOLERANCE 30522
#define IDC_BASE_TEMPCO 30523
#define IDC_BASE_PANEL 30524

// The minimal dialog program's only template.
#define IDD_MINIMAL 100
