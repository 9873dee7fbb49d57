#include "utils/Path.h"

namespace Utils {

namespace {
size_t LastSeparator(const std::wstring& path) {
    for (size_t i = path.size(); i > 0; --i)
        if (platform::IsPathSeparator(path[i - 1])) return i - 1;
    return std::wstring::npos;
}
}  // namespace

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty()) return name;
    std::wstring joined = folder;
    if (!platform::IsPathSeparator(joined.back())) joined.push_back(platform::kPathSeparator);
    size_t skip = 0;
    while (skip < name.size() && platform::IsPathSeparator(name[skip])) ++skip;
    return joined + name.substr(skip);
}

std::wstring ParentFolder(const std::wstring& path) {
    const size_t last = LastSeparator(path);
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last);
}

std::wstring FileNameOf(const std::wstring& path) {
    const size_t last = LastSeparator(path);
    return last == std::wstring::npos ? path : path.substr(last + 1);
}

}  // namespace Utils
