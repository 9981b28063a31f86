#pragma once
// The launch log's two steps, run by the panel: the start step when it is
// shown, the shutdown step when it closes.
namespace velk {

class Tf_main;
class Tf_monitor;

void RecordStart(const Tf_main& panel, Tf_monitor& lastLaunchWindow);
void RecordShutdown(const Tf_main& panel);

}  // namespace velk
