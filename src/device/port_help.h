#pragma once

#include <string>
#include <vector>

// What the serial port library said when a port could not be opened.
enum class PortFailure {
    Other,
    NotFound,  // no such device
    Refused,   // the system refused it: no permission, or another program holds it
};

// A process that has the port open.
struct PortHolder {
    int pid = 0;
    std::string name;  // as the system names the process ("ModemManager")
    bool operator==(const PortHolder&) const = default;
};

// What the system shows about a port that could not be opened.
struct PortFacts {
    bool exists = true;
    bool accessible = true;           // this process may read and write it
    std::string group = "dialout";    // the group that owns it
    bool joinedAfterLogin = false;    // the user is a member of that group, but this login began before
    std::vector<PortHolder> holders;  // the processes seen to have it open
    bool brltty = false;              // the braille display service runs
    bool modemManager = false;        // ModemManager runs
    std::string user;                 // who runs the program
    bool debian = false;
};

// Gathers the facts from the device, /proc, the group database and the serial lock files.
PortFacts PortFactsOf(const std::string& devicePath);

// What to tell the user about a port that could not be opened: what stands in the way and
// how to clear it; empty when there is nothing to add to the system's own words. A refused
// port that this process may use is in use by another program: it is named when it can be
// seen, and the services that take USB serial adapters away (brltty, ModemManager) are named
// with the commands that stop them when they run; the group to join is told only when the
// permission is really missing.
std::string PortHelp(const std::string& devicePath, PortFailure failure, const PortFacts& facts);

// What to add when an open port went away in the middle of a transfer (brltty may have
// taken it); empty when nothing is known.
std::string LostPortHelp(const PortFacts& facts);

// What to do when a device may not be opened for lack of permission: join the group that owns
// it (named from the device itself, "dialout" when it cannot be read), and on Debian the command
// that does it, then a new login.
std::string PermissionHelp(const std::string& devicePath, const std::string& userName, bool debian);
