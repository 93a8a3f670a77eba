#pragma once
// The name "Print to File" proposes for a printout, made from its title.

#include <string>
#include <string_view>

namespace zovrek {

/// A plain file name from a title (UTF-8): "/" becomes "-", so the name never reaches into
/// another folder; control characters go; so do the spaces at either end and leading dots
/// (which would hide the file, or name a folder); at most 240 bytes, cut between characters.
/// Empty when nothing is left.
std::string printFileName(std::string_view title);

}  // namespace zovrek
