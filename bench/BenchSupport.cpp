#include "BenchSupport.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <psapi.h>
#endif

namespace ballforge::bench {

static std::uint64_t StatusField(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::stoull(line.substr(std::string(field).size())) * 1024;
    return 0;
}

std::uint64_t PeakMemory() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize;
#else
    return StatusField("VmHWM:");
#endif
}

std::uint64_t CurrentMemory() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.WorkingSetSize;
#else
    return StatusField("VmRSS:");
#endif
}

bool ResetPeakMemory() {
#ifdef _WIN32
    return false;
#else
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    return bool(out);
#endif
}

std::string Ratio(double value, double baseline) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2fx", baseline > 0 ? value / baseline : 0.0);
    return buf;
}

std::string Megabytes(std::uint64_t bytes) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f MB", double(bytes) / 1e6);
    return buf;
}

} // namespace ballforge::bench
