#pragma once

#include <windows.h>
#include <msi.h>

#include <string>

#include "test_packages.h"

// Windows Installer helpers of the tests.
std::string PackagePath(const TestPackage& package);
INSTALLSTATE ProductState(const TestPackage& package);
// Installs the package silently; the Installer's result.
UINT InstallPackage(const TestPackage& package);
// Removes every product of the test packages and the full tool's record.
void RemoveTestProducts();
// Where the package puts the stand-in full tool.
std::string InstalledFullToolPath(const TestPackage& package);
