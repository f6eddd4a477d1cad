// The catalogue text: a folder object of "folders", "path" and "surfaces", each material an
// object of "color", "id", "name" and "product". Keys come out in byte order.
#pragma once

#include "Catalogue/Folder.hpp"

#include <nlohmann/json.hpp>

#include <string>

// The folder object of 'folder' and everything below it. The folder is taken over: its
// texts move into the object rather than being copied.
nlohmann::json FolderToJson (Folder folder);
// Compact, non-ASCII characters as they are; bytes that are not UTF-8 (a name another tool
// put in the project) become U+FFFD, so one bad name cannot cost the page its catalogue.
std::string WriteCatalogueText (const nlohmann::json& catalogue);
