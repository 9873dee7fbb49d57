#include "config/CommandLineArgs.h"

#include "utils/CommandLineSplit.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <limits>

CommandLineArgs::CommandLineArgs(const std::wstring& commandLine) {
    for (const std::wstring& argument : Utils::SplitCommandLine(commandLine)) {
        std::wstring key = argument;
        std::wstring value;
        const size_t equals = argument.find(L'=');
        if (!argument.empty() && argument[0] == L'-' && equals != std::wstring::npos) {
            key = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        m_Values.emplace(std::move(key), std::move(value));  // keeps the first occurrence
    }
}

std::wstring CommandLineArgs::GetString(const std::wstring& key) const {
    const auto found = m_Values.find(key);
    return found == m_Values.end() ? std::wstring() : found->second;
}

std::optional<int> CommandLineArgs::GetInt(const std::wstring& key) const { return ParseLeadingInt(GetString(key)); }

bool CommandLineArgs::GetBool(const std::wstring& key) const { return GetString(key) == L"true"; }

double CommandLineArgs::GetDouble(const std::wstring& key) const {
    const LeadingDouble read = ParseLeadingDouble(GetString(key));
    return read.kind == LeadingDouble::kNumber ? read.value : std::numeric_limits<double>::quiet_NaN();
}

std::optional<int> ParseLeadingInt(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return 0;
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

LeadingDouble ParseLeadingDouble(const std::wstring& text) {
    const wchar_t* begin = text.c_str();
    wchar_t* end = nullptr;
    errno = 0;
    const double value = std::wcstod(begin, &end);
    if (end == begin) return {LeadingDouble::kNoNumber, 0.0};
    // Overflow, and the texts "inf" and "nan", give no usable fraction.
    if (!std::isfinite(value)) return {LeadingDouble::kOutOfRange, 0.0};
    return {LeadingDouble::kNumber, value};
}
