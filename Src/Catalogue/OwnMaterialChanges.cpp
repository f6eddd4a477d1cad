#include "Catalogue/OwnMaterialChanges.hpp"

namespace {
int depth = 0;
}

OwnMaterialChanges::OwnMaterialChanges () { ++depth; }
OwnMaterialChanges::~OwnMaterialChanges () { --depth; }
bool OwnMaterialChanges::InProgress () { return depth > 0; }
