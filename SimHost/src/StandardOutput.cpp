#include "StandardOutput.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace SimHost {

void WriteOutput (const char* text, std::size_t length)
{
    while (length > 0) {
#if defined(_WIN32)
        DWORD      written = 0;
        const BOOL wrote = WriteFile (GetStdHandle (STD_OUTPUT_HANDLE), text, static_cast<DWORD> (length), &written, nullptr);
        if (!wrote || written == 0)
            return;
#else
        const ssize_t written = write (STDOUT_FILENO, text, length);
        if (written <= 0)
            return;
#endif
        text += written;
        length -= std::size_t (written);
    }
}

}   // namespace SimHost
