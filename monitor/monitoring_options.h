#pragma once
// What the panel's settings say of the launch log, and the folder its files
// lie in: the panel keeps these, the log's steps and windows read them.
#include <cstdint>
#include <string>

namespace velk {

struct MonitoringOptions {
    std::wstring ProgramDir;  // with its trailing backslash
    bool MonitorStarts = false;
    bool MonitorInfoWindow = false;
    bool MonitorShutdowns = false;
    int32_t MonitorInfoSeconds = 0;
};

}  // namespace velk
