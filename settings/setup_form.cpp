#include "settings/setup_form.h"

namespace velk {

bool Tf_setup::Create() {
    FormArgs args;
    args.className = L"Tf_setup";
    args.caption = L"Ustawienia programu VELK";
    args.left = 153;
    args.top = 184;
    args.clientWidth = 517;
    args.clientHeight = 230;
    args.iconResource = 1;
    return Form::Create(args);
}

}  // namespace velk
