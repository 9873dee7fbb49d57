#include "utils/Exception.h"

#include "utils/Text.h"

namespace Utils {

Exception::Exception(const std::wstring& message) : m_Text(WideToAnsi(message)) {}

}  // namespace Utils
