#include "about/info_form.h"

namespace velk {

bool Tf_info::Create() {
    FormArgs args;
    args.className = L"Tf_info";
    args.caption = L"O programie...";
    args.clientWidth = 422;
    args.clientHeight = 179;
    args.centred = true;
    args.classBackground = COLOR_WINDOW + 1;
    args.iconResource = 1;
    return Form::Create(args);
}

}  // namespace velk
