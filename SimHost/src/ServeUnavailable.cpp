// The sandbox of a build without an HTTP layer (the Windows build, for now).
#include "SimHost/ServeCommand.hpp"

#include <iostream>

namespace SimHost {

int ServeCommand (int, char**, const std::string&)
{
    std::cerr << "virel-host: serve is not part of this build\n";
    return 2;
}

}   // namespace SimHost
