// Files that the sandbox serves from a folder: only regular files inside it, after every
// symbolic link is followed; no "..", no absolute path.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace SimHost::Serve {

std::optional<std::filesystem::path> FileInside (const std::filesystem::path& folder, const std::string& relative);
// The content type the browser needs for a file, by its extension.
std::string ContentTypeOf (const std::filesystem::path& file);
// The folder and file name of a "file://" URL, percent escapes decoded; none for other URLs.
std::optional<std::filesystem::path> PathOfFileUrl (const std::string& url);

}   // namespace SimHost::Serve
