// What the process holds, read before and after many operations to see what they leave behind.
#pragma once

#include <windows.h>

#include <string>

struct ProcessCounters
{
    // -1: the system gives no count.
    long long gdiObjects = -1;
    long long userObjects = -1;
    long long windows = 0;
    long long privateBytes = -1;
    // Bytes in the busy blocks of every heap of the process: the C++ objects and strings.
    long long heapBytes = -1;
};

ProcessCounters ReadProcessCounters();
// How each counter was read on this system, for the notes under the table.
std::string DescribeCounterSources();
