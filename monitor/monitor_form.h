#pragma once
// The last-launch window: the previous start beside the present one.
#include "ui/form.h"

namespace velk {

class Tf_main;

class Tf_monitor : public Form {
public:
    explicit Tf_monitor(const Tf_main& panel) : panel_(panel) {}
    bool Create();

private:
    const Tf_main& panel_;
};

}  // namespace velk
