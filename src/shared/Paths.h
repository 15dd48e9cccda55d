#pragma once
// The one path resolver. Course files name paths with backslashes and in any letter case,
// and the code builds them by concatenation with "\"; every file access turns them into a
// real path here.
#include <string>
#include <string_view>

namespace tess {

/// Splits on "\" and "/", treats doubled separators as one, and where a component does not
/// exist as spelled takes the directory entry that matches it without regard to case.
/// Components that match nothing stay as spelled (files about to be created).
std::string ResolvePath(std::string_view path);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);
/// Creates the folder (and missing parents); true when it exists afterwards.
bool MakeDirectory(std::string_view path);

/// Appends "\" when the folder name does not end in a separator.
std::string WithTrailingSeparator(std::string_view folder);

}  // namespace tess
