#pragma once
// The about box, shown modally from the panel's menu.
#include "ui/form.h"

namespace velk {

class Tf_info : public Form {
public:
    bool Create();
};

}  // namespace velk
