#include "win/dropped_files.h"

#include <cwchar>

#include "win/system_library.h"
#include "win/text.h"

namespace velk {

namespace {

struct DropFunctions {
    decltype(DragQueryFileW)* query = Shell32().Find<decltype(DragQueryFileW)>("DragQueryFileW");
    decltype(DragQueryPoint)* point = Shell32().Find<decltype(DragQueryPoint)>("DragQueryPoint");
    decltype(DragFinish)* finish = Shell32().Find<decltype(DragFinish)>("DragFinish");
};

const DropFunctions& Drop() {
    static const DropFunctions functions;
    return functions;
}

}  // namespace

DroppedFiles::DroppedFiles(HDROP drop) : drop_(drop) {
    // All three are there, or shell32 is not.
    if (!Drop().finish) return;
    count_ = Drop().query(drop_, 0xFFFFFFFF, nullptr, 0);
    Drop().point(drop_, &point_);
}

DroppedFiles::~DroppedFiles() {
    if (Drop().finish) Drop().finish(drop_);
}

std::wstring DroppedFiles::Path(UINT index) const {
    // The path in the first half, room for its short name in the second.
    std::wstring path(65536, L'\0');
    Drop().query(drop_, index, path.data(), 32768);
    TakeStorableName(path.data(), path.size());
    path.resize(wcslen(path.c_str()));
    return path;
}

}  // namespace velk
