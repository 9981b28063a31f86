#include "win/dropped_files.h"

#include <cwchar>

#include "core/dropped_name.h"
#include "win/com_apartment.h"
#include "win/system_library.h"
#include "win/text.h"

namespace velk {

namespace {

struct DropFunctions {
    decltype(DragQueryFileW)* query = Shell32().Find<decltype(DragQueryFileW)>("DragQueryFileW");
    decltype(DragQueryPoint)* point = Shell32().Find<decltype(DragQueryPoint)>("DragQueryPoint");
    decltype(DragFinish)* finish = Shell32().Find<decltype(DragFinish)>("DragFinish");
    decltype(SHGetFileInfoW)* fileInfo = Shell32().Find<decltype(SHGetFileInfoW)>("SHGetFileInfoW");
};

const DropFunctions& Drop() {
    static const DropFunctions functions;
    return functions;
}

bool Storable(const wchar_t* text) {
    bool lost = false;
    ToCp1250(text, &lost);
    return !lost;
}

}  // namespace

DroppedFiles::DroppedFiles(HDROP drop) : drop_(drop) {
    // All of them are there, or shell32 is not.
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

std::wstring DisplayName(const std::wstring& path) {
    SHFILEINFOW info{};
    // SHGetFileInfoW's documentation asks for COM on the thread first.
    if (Drop().fileInfo && UseCom() && Drop().fileInfo(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME) &&
        info.szDisplayName[0] && Storable(info.szDisplayName))
        return info.szDisplayName;
    return std::wstring(DroppedName(path));
}

}  // namespace velk
