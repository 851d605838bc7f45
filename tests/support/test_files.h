#pragma once

#include <string>
#include <vector>

// Small file helpers of the tests, on Windows paths.

// The system's temporary folder, ending with a backslash.
std::string TempFolder();
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
void RemoveFile(const std::string& path);
// Creates the folder and every missing parent.
void MakeFolders(const std::string& path);
// Removes the folder with everything in it.
void RemoveTree(const std::string& path);
// Names (not paths) of the entries of `folder` that match `pattern`.
std::vector<std::string> ListFiles(const std::string& folder,
                                   const std::string& pattern);
// The folder of a path, without its trailing backslash.
std::string FolderOf(const std::string& path);
// Splits text into lines, dropping CR before LF and a last empty line.
std::vector<std::string> Lines(const std::string& text);
