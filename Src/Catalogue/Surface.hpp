// One material of the catalogue, as the page sees it. A plain value; copies are deep.
#pragma once

#include "Definitions.hpp"

#include <string>

struct Surface {
    std::string name;   // the host record's name, byte for byte
    std::string id;     // the material's identifier text
    Int32       red = 0;
    Int32       green = 0;
    Int32       blue = 0;
    // the host keeps these as 16-bit integers; the page gets them as reals
    double ambient = 0.0;
    double diffuse = 0.0;
    double shine = 0.0;
    double specular = 0.0;
};
