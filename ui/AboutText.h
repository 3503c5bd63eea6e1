#pragma once

#include <string>

namespace metalweight {

// The program's version as the About box shows it: major, minor and revision
// (the version record's third field is not shown).
struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

ProgramVersion programVersion();

// The About message: seven lines separated by single carriage returns (no line feeds),
// the last one "版本 <major>.<minor>.<revision> (1999)".
std::string aboutMessage(const ProgramVersion& version);

}  // namespace metalweight
