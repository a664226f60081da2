#pragma once

#include <string>
#include <vector>

// The commands of nivra-tool; each takes the whole command line after the
// program name, returns the exit status, and throws UsageError or ToolError.
int Info(const std::vector<std::string>& argv);
int Csv(const std::vector<std::string>& argv);
int Stats(const std::vector<std::string>& argv);
int Climbs(const std::vector<std::string>& argv);
int Airtime(const std::vector<std::string>& argv);
int Image(const std::vector<std::string>& argv);
int Export(const std::vector<std::string>& argv);
int Download(const std::vector<std::string>& argv);
int LogbookCommand(const std::vector<std::string>& argv);

// Where nivra-tool runs from: a "Nivra.cfg" beside it comes first.
std::string ProgramDir();
