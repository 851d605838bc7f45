#pragma once

#include <string>

// Where the test run keeps its things; from the environment that the test
// driver sets (paths in Windows form, on drive Z:).
std::string TestRunFolder();           // VANTOLITE_TEST_RUN
std::string TestToolsFolder();         // VANTOLITE_TEST_TOOLS: built test tools
std::string TwinPath();                // VANTOLITE_TWIN: the launcher's twin
std::string StandinToolPath();         // standin_tool.exe among the tools
std::string PackagesFolder();          // VANTOLITE_TEST_PACKAGES: built MSI packages

// A fresh, empty scratch folder of the run for one test.
std::string FreshWorkFolder(const std::string& name);
