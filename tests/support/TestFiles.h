#pragma once
#include <string>

namespace testsupport {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_Path; }
    // Path() joined with a relative name.
    std::wstring operator/(const std::wstring& name) const;

private:
    std::wstring m_Path;
};

// Writes bytes to path; fails the current test when it cannot.
void WriteTestFile(const std::wstring& path, const std::string& bytes);

// UTF-16 little-endian with a byte-order mark.
std::string Utf16WithBom(const std::wstring& text);

}  // namespace testsupport
