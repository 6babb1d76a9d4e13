#pragma once

// The subcommands of vcntool; each returns the process's exit code.

#include <string>

int CheckCommand(const std::string& path);
int DumpCommand(const std::string& path);
int CsvCommand(const std::string& path);
int ResaveCommand(const std::string& path);
int DemoCommand(const std::string& path);
