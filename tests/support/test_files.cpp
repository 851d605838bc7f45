#include "tests/support/test_files.h"

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <sstream>

std::string TempFolder() {
  char folder[MAX_PATH + 1] = "";
  GetTempPathA(MAX_PATH, folder);
  return folder;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  MakeFolders(FolderOf(path));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

void MakeFolders(const std::string& path) {
  if (path.empty() || FolderExists(path)) return;
  MakeFolders(FolderOf(path));
  CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveTree(const std::string& path) {
  if (!FolderExists(path)) return;
  for (const std::string& name : ListFiles(path, "*")) {
    if (name == "." || name == "..") continue;
    std::string entry = path + "\\" + name;
    if (FolderExists(entry)) {
      RemoveTree(entry);
    } else {
      SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(entry.c_str());
    }
  }
  RemoveDirectoryA(path.c_str());
}

std::vector<std::string> ListFiles(const std::string& folder,
                                   const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}
