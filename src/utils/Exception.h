#pragma once
#include <exception>
#include <string>

namespace Utils {

// The error that pipe and process creation throw. The wide message is kept
// in the ANSI code page as what() returns it; the throwers pass an empty
// message, so the type alone tells the failure.
class Exception : public std::exception {
public:
    explicit Exception(const std::wstring& message);
    const char* what() const noexcept override { return m_Text.c_str(); }

private:
    std::string m_Text;
};

}  // namespace Utils
