#include "device/port_help.h"

#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>

namespace {

// Whole sentences in the window's language; nivra-tool, which installs no translation, gives
// them in English.
QString Tr(const char* text)
{
    return QCoreApplication::translate("PortHelp", text);
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string GroupHelp(const std::string& devicePath, const std::string& group, const std::string& user, bool debian)
{
    QString text = Tr(QT_TRANSLATE_NOOP("PortHelp", "The user must be a member of the group \"%1\" that owns %2."))
                       .arg(Q(group), Q(devicePath));
    if (debian)
        text += u' ' + Tr(QT_TRANSLATE_NOOP("PortHelp", "On Debian: sudo adduser %1 %2, then log out and back in."))
                           .arg(user.empty() ? QStringLiteral("$USER") : Q(user), Q(group));
    return text.toStdString();
}

std::string GroupOf(const struct stat& st)
{
    const struct group* g = getgrgid(st.st_gid);
    return g ? g->gr_name : "dialout";
}

// The first line of a small file, without its line end.
std::string FirstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool IsNumber(const char* text)
{
    return *text &&
           std::all_of(text, text + std::char_traits<char>::length(text), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ProcessName(int pid)
{
    return FirstLine("/proc/" + std::to_string(pid) + "/comm");
}

// Every process id under /proc.
std::vector<int> Processes()
{
    std::vector<int> pids;
    if (DIR* proc = opendir("/proc")) {
        while (const dirent* e = readdir(proc))
            if (IsNumber(e->d_name))
                pids.push_back(std::atoi(e->d_name));
        closedir(proc);
    }
    return pids;
}

// Whether the process has the file open; only processes this user may look into are seen.
bool HasOpen(int pid, const std::string& canonical)
{
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    DIR* dir = opendir(fds.c_str());
    if (!dir)
        return false;
    bool found = false;
    char target[PATH_MAX];
    while (const dirent* e = readdir(dir)) {
        if (!IsNumber(e->d_name))
            continue;
        const ssize_t n = readlink((fds + "/" + e->d_name).c_str(), target, sizeof target - 1);
        if (n > 0 && canonical == std::string(target, static_cast<size_t>(n))) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

// The process a serial lock file ("LCK..ttyUSB0", as the serial port library and other
// programs write them) names, when it still runs.
int LockHolder(const std::string& devicePath)
{
    const std::string name = "LCK.." + devicePath.substr(devicePath.find_last_of('/') + 1);
    for (const char* dir :
         {"/var/lock", "/run/lock", "/var/lock/lockdev", "/var/spool/locks", "/var/spool/uucp", "/etc/locks", "/tmp"}) {
        const int pid = std::atoi(FirstLine(std::string(dir) + "/" + name).c_str());
        if (pid > 0 && access(("/proc/" + std::to_string(pid)).c_str(), F_OK) == 0)
            return pid;
    }
    return 0;
}

std::string HoldersText(const std::vector<PortHolder>& holders)
{
    // "ModemManager (process 812), a program (process 90) and brltty (process 77)"
    QString text;
    for (size_t i = 0; i < holders.size(); ++i) {
        //: a program that holds the port, and its process number: "ModemManager (process 812)"
        const QString holder =
            Tr(QT_TRANSLATE_NOOP("PortHelp", "%1 (process %2)"))
                .arg(holders[i].name.empty() ? Tr(QT_TRANSLATE_NOOP("PortHelp", "a program")) : Q(holders[i].name))
                .arg(holders[i].pid);
        //: the last two of the programs that hold the port: "ModemManager (process 812) and brltty (process 77)"
        text = i == 0                    ? holder
               : i + 1 == holders.size() ? Tr(QT_TRANSLATE_NOOP("PortHelp", "%1 and %2")).arg(text, holder)
                                         : text + QStringLiteral(", ") + holder;
    }
    return text.toStdString();
}

bool Holds(const std::vector<PortHolder>& holders, const std::string& name)
{
    return std::any_of(holders.begin(), holders.end(), [&name](const PortHolder& h) { return h.name == name; });
}

const char kBrltty[] = QT_TRANSLATE_NOOP(
    "PortHelp",
    "The braille display service brltty is running: it takes USB serial adapters it mistakes for braille "
    "displays (many with a CH340 or CP210x chip), and their port disappears. Without a braille display, stop it "
    "and keep it stopped: sudo systemctl stop brltty-udev.service brltty.service; sudo systemctl mask "
    "brltty-udev.service brltty.service (or remove it: sudo apt remove brltty). Then plug the cable in again.");

const char kModemManager[] = QT_TRANSLATE_NOOP(
    "PortHelp",
    "ModemManager is running: it probes a serial port that appears for a modem, holding it for some seconds. Wait "
    "a moment and try again. Without a mobile modem, stop it: sudo systemctl stop ModemManager.service; sudo "
    "systemctl disable ModemManager.service.");

}  // namespace

std::string PermissionHelp(const std::string& devicePath, const std::string& userName, bool debian)
{
    struct stat st {};
    return GroupHelp(devicePath, stat(devicePath.c_str(), &st) == 0 ? GroupOf(st) : "dialout", userName, debian);
}

PortFacts PortFactsOf(const std::string& devicePath)
{
    PortFacts facts;
    if (const struct passwd* pw = getpwuid(geteuid()))
        facts.user = pw->pw_name;
    facts.debian = access("/etc/debian_version", F_OK) == 0;
    struct stat st {};
    facts.exists = stat(devicePath.c_str(), &st) == 0;
    if (facts.exists) {
        facts.accessible = access(devicePath.c_str(), R_OK | W_OK) == 0;
        facts.group = GroupOf(st);
        // Listed in the group, yet the groups of this login do not have it: joined since.
        if (const struct group* g = getgrgid(st.st_gid); g && !facts.accessible) {
            bool listed = false;
            for (char** member = g->gr_mem; *member && !listed; ++member)
                listed = facts.user == *member;
            std::vector<gid_t> groups(static_cast<size_t>(std::max(getgroups(0, nullptr), 0)));
            const int n = getgroups(static_cast<int>(groups.size()), groups.data());
            groups.resize(static_cast<size_t>(std::max(n, 0)));
            const bool inLogin =
                getegid() == st.st_gid || std::find(groups.begin(), groups.end(), st.st_gid) != groups.end();
            facts.joinedAfterLogin = listed && !inLogin;
        }
    }
    char resolved[PATH_MAX];
    const std::string canonical = realpath(devicePath.c_str(), resolved) ? resolved : devicePath;
    const int locker = facts.exists ? LockHolder(canonical) : 0;
    for (int pid : Processes()) {
        const std::string name = ProcessName(pid);
        facts.brltty = facts.brltty || name == "brltty";
        facts.modemManager = facts.modemManager || name == "ModemManager";
        if (facts.exists && (pid == locker || HasOpen(pid, canonical)))
            facts.holders.push_back({pid, name});
    }
    return facts;
}

std::string PortHelp(const std::string& devicePath, PortFailure failure, const PortFacts& facts)
{
    if (failure == PortFailure::NotFound || !facts.exists)
        return facts.brltty ? Tr(kBrltty).toStdString() : "";
    if (failure != PortFailure::Refused)
        return {};
    if (!facts.accessible) {
        if (facts.joinedAfterLogin)
            return Tr(QT_TRANSLATE_NOOP("PortHelp",
                                        "The user is a member of the group \"%1\" that owns %2, but this "
                                        "login began before: log out and back in."))
                .arg(Q(facts.group), Q(devicePath))
                .toStdString();
        return GroupHelp(devicePath, facts.group, facts.user, facts.debian);
    }
    // Allowed, yet refused: another program holds the port.
    QString text = facts.holders.empty()
                       ? Tr(QT_TRANSLATE_NOOP("PortHelp", "The port is in use by another program."))
                       : Tr(QT_TRANSLATE_NOOP("PortHelp", "The port is in use by another program: %1."))
                             .arg(Q(HoldersText(facts.holders)));
    // A service is named when it holds the port, or when the holder cannot be seen.
    if (facts.modemManager && (facts.holders.empty() || Holds(facts.holders, "ModemManager")))
        text += u' ' + Tr(kModemManager);
    if (facts.brltty && (facts.holders.empty() || Holds(facts.holders, "brltty")))
        text += u' ' + Tr(kBrltty);
    if (!facts.holders.empty() && !Holds(facts.holders, "ModemManager") && !Holds(facts.holders, "brltty"))
        text += u' ' + Tr(QT_TRANSLATE_NOOP("PortHelp", "Close it and try again."));
    return text.toStdString();
}

std::string LostPortHelp(const PortFacts& facts)
{
    return facts.brltty ? Tr(kBrltty).toStdString() : "";
}
