#pragma once
// The error every contract violation of the tracking layer raises. The
// tracker wrapper catches them all; nothing prints their fields.
#include <stdexcept>
#include <string>

namespace corvel::tracking {

class CvException : public std::runtime_error {
public:
    CvException(const std::string& message, std::string file, std::string operation, int line)
        : std::runtime_error(message), m_File(std::move(file)), m_Operation(std::move(operation)), m_Line(line) {}

    const std::string& File() const { return m_File; }
    const std::string& Operation() const { return m_Operation; }
    int Line() const { return m_Line; }

private:
    std::string m_File;
    std::string m_Operation;
    int m_Line;
    int m_Reserved1 = -1;
    int m_Reserved2 = -1;
};

}  // namespace corvel::tracking

// Raises a CvException naming the enclosing operation and source line.
#define CV_RAISE(message) throw ::corvel::tracking::CvException((message), __FILE__, __func__, __LINE__)
