// A simulated host with the API 28 add-on loaded and its palette open, and a project of
// materials filed in folders below the catalogue root, for the benchmarks.
#pragma once

#include "SimHost/Host.hpp"

#include <memory>
#include <string>
#include <vector>

namespace VirelBench {

std::unique_ptr<SimHost::Host> StartHost ();

// 'materials' materials spread evenly over 'folders' subfolders of "Surfaces/Virel".
void FillProject (SimHost::Host& host, int materials, int folders);

// The same tree as plain records, as a baseline builds its text from.
struct PreparedMaterial {
    std::string name, id;
    int         red, green, blue;
    double      ambient, diffuse, shine, specular;
};
struct PreparedFolder {
    std::string                   path;
    std::vector<PreparedFolder>   folders;
    std::vector<PreparedMaterial> surfaces;
};
// Reads the tree below "Surfaces/Virel" straight from the host's store.
PreparedFolder PrepareCatalogue (SimHost::Host& host);
// The JSON library builds and writes the catalogue text of prepared records.
std::string WritePrepared (const PreparedFolder& root);

}   // namespace VirelBench
