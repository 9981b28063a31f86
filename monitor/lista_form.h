#pragma once
// The launch list window: the whole launch log, which it can clear.
#include "ui/form.h"

namespace velk {

class Tf_main;

class Tf_lista : public Form {
public:
    explicit Tf_lista(const Tf_main& panel) : panel_(panel) {}
    bool Create();

private:
    const Tf_main& panel_;
};

}  // namespace velk
