// Text between the host's UTF-8 and Windows' UTF-16. [Windows]
#pragma once

#if defined(_WIN32)

#include <string>

namespace SimHost {

std::wstring Wide (const std::string& utf8);
std::string  Utf8 (const std::wstring& wide);

}   // namespace SimHost

#endif
