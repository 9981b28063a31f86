#include "monitor/lista_form.h"

namespace velk {

bool Tf_lista::Create() {
    FormArgs args;
    args.className = L"Tf_lista";
    args.caption = L"Lista uruchomień";
    args.left = 200;
    args.top = 108;
    args.clientWidth = 184;
    args.clientHeight = 262;
    args.iconResource = 1;
    return Form::Create(args);
}

}  // namespace velk
