#include "process_gdi_objects.h"

#include <cstdint>
#include <vector>

namespace {

// Wine's entry of the table (include/ntgdi.h), 24 bytes in every build.
struct HandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
static_assert(sizeof(HandleEntry) == 24, "Wine's GDI handle entry");

constexpr size_t MAX_HANDLES = 0x10000;
constexpr size_t TABLE_OFFSET_IN_PEB = sizeof(void*) == 8 ? 0xF8 : 0x94;

struct BasicInformation {
    LONG_PTR exitStatus;
    void* pebBaseAddress;
    ULONG_PTR affinityMask;
    LONG_PTR basePriority;
    ULONG_PTR uniqueProcessId;
    ULONG_PTR inheritedFromUniqueProcessId;
};
using QueryInformationProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

}  // namespace

long processGdiObjects(HANDLE process) {
    const auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    BasicInformation basic = {};
    if (query == nullptr || query(process, 0, &basic, sizeof basic, nullptr) != 0) return -1;
    void* table = nullptr;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, static_cast<char*>(basic.pebBaseAddress) + TABLE_OFFSET_IN_PEB, &table,
                           sizeof table, &got) ||
        table == nullptr)
        return -1;
    // Read page by page: the end of the table need not be committed.
    std::vector<HandleEntry> entries(MAX_HANDLES);
    const size_t bytes = entries.size() * sizeof(HandleEntry);
    size_t read = 0;
    while (read < bytes) {
        const size_t chunk = bytes - read < 4096 ? bytes - read : 4096;
        if (!ReadProcessMemory(process, static_cast<char*>(table) + read,
                               reinterpret_cast<char*>(entries.data()) + read, chunk, &got) ||
            got != chunk)
            break;
        read += chunk;
    }
    if (read == 0) return -1;
    long live = 0;
    for (size_t i = 0; i < read / sizeof(HandleEntry); ++i)
        if (entries[i].type != 0) ++live;
    return live;
}
