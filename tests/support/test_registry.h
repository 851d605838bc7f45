#pragma once

#include <windows.h>

#include <string>

// Registry helpers of the tests, all under HKEY_CURRENT_USER.
const char kSuiteKey[] = "Software\\Quendar";
const char kSettingsKey[] = "Software\\Quendar Applications";

void DeleteKeyTree(const std::string& path);
bool KeyExists(const std::string& path);
void SetStringValue(const std::string& key, const std::string& name,
                    const std::string& value);
// Stores `data` exactly as given, of any type: no terminator is added.
void SetRawValue(const std::string& key, const std::string& name, DWORD type,
                 const std::string& data);
void DeleteValue(const std::string& key, const std::string& name);
// Lets every user read the key but not change it (nor its values); it can
// still be deleted.
void MakeKeyReadOnly(const std::string& key);
