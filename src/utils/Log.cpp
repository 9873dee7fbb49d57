#include "utils/Log.h"

#include "utils/Text.h"

#include <string_view>
#include <vector>

namespace Utils::detail {

const wchar_t kTracePrefix[] = L"<P%05d><T%05d><%04d-%02d-%02d %02d:%02d:%02d.%03d>(%s)<%04d>: ";

namespace {

struct Group {
    size_t open;
    size_t close;  // one past ')'
};

// Top-level parenthesised groups, ignoring those inside <...> (a lambda's
// "<lambda(int)>" or template arguments) and inside [...].
std::vector<Group> TopLevelGroups(std::string_view text) {
    std::vector<Group> groups;
    int angle = 0, square = 0, paren = 0;
    size_t open = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (text.compare(i, 8, "operator") == 0 && (i == 0 || text[i - 1] == ' ' || text[i - 1] == ':')) {
            // An operator's own symbol is part of the name, not a bracket:
            // "operator()", "operator<", "operator->".
            size_t j = i + 8;
            while (j < text.size() && text[j] == ' ') ++j;
            if (text.compare(j, 2, "()") == 0) j += 2;
            else
                while (j < text.size() && std::string_view("<>=!+-*/%&|^~[],").find(text[j]) != std::string_view::npos) ++j;
            i = j - 1;
            continue;
        }
        if (c == '<' && paren == 0) ++angle;
        else if (c == '>' && paren == 0 && angle > 0) --angle;
        else if (c == '[') ++square;
        else if (c == ']' && square > 0) --square;
        else if (angle == 0 && square == 0) {
            if (c == '(') {
                if (paren++ == 0) open = i;
            } else if (c == ')' && paren > 0 && --paren == 0) {
                groups.push_back({open, i + 1});
            }
        }
    }
    return groups;
}

}  // namespace

std::wstring FunctionTag(const char* prettyFunction) {
    std::string_view text(prettyFunction);
    // GCC appends template arguments as " [with T = int]".
    if (const size_t with = text.find(" [with "); with != std::string_view::npos) text = text.substr(0, with);

    const std::vector<Group> groups = TopLevelGroups(text);
    // The function's own parameter list is the last group that is not
    // followed by "::" (which would make it an enclosing function's, as for a
    // lambda); everything after it (const, noexcept, ...) is dropped.
    size_t end = text.size();
    if (!groups.empty() && text.compare(groups.back().close, 2, "::") != 0) end = groups.back().open;

    std::string name;
    size_t cursor = 0;
    for (const Group& group : groups) {
        if (group.open >= end) break;
        name.append(text.substr(cursor, group.open - cursor));
        cursor = group.close;
    }
    name.append(text.substr(cursor, end - cursor));

    // The return type and specifiers stand before the last top-level blank.
    int angle = 0;
    size_t start = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '<') ++angle;
        else if (name[i] == '>' && angle > 0) --angle;
        else if (name[i] == ' ' && angle == 0 && name.compare(i + 1, 2, "()") != 0 &&
                 (i < 8 || name.compare(i - 8, 8, "operator") != 0))
            start = i + 1;
    }
    name = name.substr(start);

    const size_t last = name.rfind("::");
    const std::string_view tail = last == std::string::npos ? std::string_view(name) : std::string_view(name).substr(last + 2);
    if (tail.rfind("<lambda", 0) == 0) name += "::operator ()";
    return AsciiToWide(name);
}

}  // namespace Utils::detail
