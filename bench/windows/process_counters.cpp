// Process counters. Wine answers 0 to GetGuiResources and to PrivateUsage, so where the system
// gives nothing the GDI count is taken from the process's own GDI handle table and the private
// bytes from the commit charge, which is the same figure on Windows.
#include "process_counters.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
// The GDI handle table's entry, as Windows and Wine lay it out on 64-bit systems.
struct GdiHandleEntry
{
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr size_t kGdiHandleCount = 0x10000;
// PEB::GdiSharedHandleTable on x64.
constexpr size_t kPebGdiTableOffset = 0xF8;

const GdiHandleEntry* GdiHandleTable()
{
    PROCESS_BASIC_INFORMATION info{};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info,
                                    nullptr) != 0 ||
        info.PebBaseAddress == nullptr)
        return nullptr;
    const GdiHandleEntry* pTable = nullptr;
    std::memcpy(&pTable, reinterpret_cast<const BYTE*>(info.PebBaseAddress) + kPebGdiTableOffset,
                sizeof pTable);
    if (pTable == nullptr)
        return nullptr;
    // Trusted only if a stock object's entry is where its handle says and is in use.
    const auto stock = reinterpret_cast<std::uintptr_t>(::GetStockObject(WHITE_BRUSH));
    return pTable[stock & 0xFFFF].type != 0 ? pTable : nullptr;
}

// Wine keeps a table per process: every entry in use is ours, stock objects included.
long long CountGdiTableEntries()
{
    const GdiHandleEntry* pTable = GdiHandleTable();
    if (pTable == nullptr)
        return -1;
    long long count = 0;
    for (size_t i = 0; i < kGdiHandleCount; ++i)
    {
        if (pTable[i].type != 0)
            ++count;
    }
    return count;
}

bool IsWine()
{
    return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

long long HeapBytesInUse()
{
    std::vector<HANDLE> heaps(64);
    DWORD count = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (count > heaps.size())
    {
        heaps.resize(count);
        count = ::GetProcessHeaps(count, heaps.data());
    }
    long long bytes = 0;
    for (DWORD i = 0; i < count && i < heaps.size(); ++i)
    {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heaps[i], &entry))
        {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
                bytes += entry.cbData;
        }
        ::HeapUnlock(heaps[i]);
    }
    return bytes;
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<long long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return TRUE;
    auto* pCount = reinterpret_cast<long long*>(lParam);
    ++*pCount;
    // Every descendant, not only the direct children.
    ::EnumChildWindows(hWnd, CountChild, lParam);
    return TRUE;
}
} // namespace

ProcessCounters ReadProcessCounters()
{
    ProcessCounters counters;
    HANDLE hProcess = ::GetCurrentProcess();
    const DWORD gdi = ::GetGuiResources(hProcess, GR_GDIOBJECTS);
    counters.gdiObjects = gdi != 0 ? gdi : CountGdiTableEntries();
    const DWORD user = ::GetGuiResources(hProcess, GR_USEROBJECTS);
    counters.userObjects = user != 0 ? static_cast<long long>(user) : -1;
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&counters.windows));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    {
        const SIZE_T bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        counters.privateBytes = static_cast<long long>(bytes);
    }
    counters.heapBytes = HeapBytesInUse();
    return counters;
}

std::string DescribeCounterSources()
{
    HANDLE hProcess = ::GetCurrentProcess();
    std::string text;
    text +=
        ::GetGuiResources(hProcess, GR_GDIOBJECTS) != 0
            ? "GDI objects: GetGuiResources(GR_GDIOBJECTS).\n"
            : "GDI objects: GetGuiResources answers 0 here; counted as the entries in use in the process's "
              "GDI handle table (stock objects included).\n";
    text +=
        ::GetGuiResources(hProcess, GR_USEROBJECTS) != 0
            ? "USER objects: GetGuiResources(GR_USEROBJECTS).\n"
            : "USER objects: GetGuiResources answers 0 here (shown as n/a); the window count stands in.\n";
    text += "windows: top-level windows of this process and all their descendants (EnumWindows, "
            "EnumChildWindows).\n";
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    text += memory.PrivateUsage != 0
                ? "private bytes: PROCESS_MEMORY_COUNTERS_EX::PrivateUsage.\n"
                : "private bytes: PrivateUsage answers 0 here; PagefileUsage (the commit charge) instead.\n";
    text += "heap bytes: the busy blocks of every heap of the process (GetProcessHeaps, HeapWalk).\n";
    if (IsWine())
        text += "(running under Wine)\n";
    return text;
}
