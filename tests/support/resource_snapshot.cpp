#include "resource_snapshot.h"

#include "process_probe.h"

#include <cstdio>

namespace perf {

ResourceSnapshot TakeSnapshot(HANDLE process, DWORD processId, int linuxPid) {
    ResourceSnapshot snapshot;
    snapshot.residentKb = ResidentKilobytes(linuxPid);
    snapshot.handles = HandleCount(process);
    snapshot.gdiObjects = GuiObjectCount(process, GR_GDIOBJECTS);
    snapshot.userObjects = GuiObjectCount(process, GR_USEROBJECTS);
    snapshot.windows = WindowCount(processId);
    snapshot.threads = LinuxThreadCount(linuxPid);
    snapshot.linuxFiles = LinuxFileCount(linuxPid);
    return snapshot;
}

void PrintSnapshot(const char* prefix, const ResourceSnapshot& snapshot) {
    std::printf("RESULT %s_rss_kb %lld\n", prefix, snapshot.residentKb);
    std::printf("RESULT %s_handles %lld\n", prefix, snapshot.handles);
    std::printf("RESULT %s_gdi_objects %lld\n", prefix, snapshot.gdiObjects);
    std::printf("RESULT %s_user_objects %lld\n", prefix, snapshot.userObjects);
    std::printf("RESULT %s_windows %lld\n", prefix, snapshot.windows);
    std::printf("RESULT %s_threads %lld\n", prefix, snapshot.threads);
    std::printf("RESULT %s_linux_fds %lld\n", prefix, snapshot.linuxFiles);
}

} // namespace perf
