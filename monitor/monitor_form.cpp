#include "monitor/monitor_form.h"

namespace velk {

bool Tf_monitor::Create() {
    FormArgs args;
    args.className = L"Tf_monitor";
    args.caption = L" ";
    args.left = 0;
    args.top = 466;
    args.clientWidth = 232;
    args.clientHeight = 80;
    args.iconResource = 1;
    return Form::Create(args);
}

}  // namespace velk
