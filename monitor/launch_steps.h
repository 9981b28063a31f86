#pragma once
// The launch log's two steps, run by the panel: the start step when it is
// shown, the shutdown step when it closes. The start step records the start
// also when the last-launch window has no window of its own.
#include "monitor/monitoring_options.h"

namespace velk {

class Tf_monitor;

void RecordStart(const MonitoringOptions& options, Tf_monitor& lastLaunchWindow);
void RecordShutdown(const MonitoringOptions& options);

}  // namespace velk
