#pragma once
// The settings dialog, shown modally from the panel's menu.
#include "ui/form.h"

namespace velk {

class Tf_main;

class Tf_setup : public Form {
public:
    explicit Tf_setup(Tf_main& panel) : panel_(panel) {}
    ~Tf_setup() override { Destroy(); }
    bool Create() override;

private:
    Tf_main& panel_;
};

}  // namespace velk
