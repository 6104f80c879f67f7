#include "platform/systemtool.h"

#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/progman.h"
#include "platform/registry.h"
#include "platform/session.h"
#include "platform/shelllink.h"
#include "platform/text.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

void Print(const std::string& ansi) {
    std::fputs((AnsiToUtf8(ansi) + "\n").c_str(), stdout);
}
int Error(const std::string& msg) {
    std::fputs(("typestow-system: " + AnsiToUtf8(msg) + "\n").c_str(), stderr);
    return 1;
}

int Usage() {
    std::string text =
        "usage: typestow-system [--root DIR] COMMAND\n"
        "  init [--nt]                      create a system image\n"
        "  status                           platform, drives, session, services\n"
        "  restart                          end the running session (as a reboot would)\n"
        "  fonts [add|remove PATH]          the session's active fonts; add or remove a font resource\n"
        "  fonts faces PATH                 full name, family and style of each face of a font file\n"
        "  reg query KEY [VALUE]            show a key's values, or one value\n"
        "  reg set KEY VALUE DATA           set a string value\n"
        "  reg delete KEY VALUE             delete a value\n"
        "  profile get FILE SECTION KEY     read a profile key\n"
        "  profile set FILE SECTION KEY [VALUE]  write a key; no VALUE deletes it\n"
        "  open PATH                        open a .LNK or .FGP file, or progman:GROUP:INDEX\n"
        "  progman                          list Program Manager's groups and items\n";
    std::fputs(text.c_str(), stderr);
    return 2;
}

std::string FormatValue(const RegValue& v) {
    if (v.type == kRegDword) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%08x", v.dword);
        return buf;
    }
    if (v.type == kRegBinary) {
        std::string out;
        char buf[4];
        for (unsigned char c : v.data) {
            std::snprintf(buf, sizeof buf, "%02x", c);
            out += buf;
        }
        return out;
    }
    return v.data;
}

int Init(const std::string& root, const std::vector<std::string>& args) {
    ImageOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--nt")
            options.nt = true;
        else
            return Usage();
    }
    if (const char* home = std::getenv("HOME"); home && *home) options.homeDrive = home;
    std::string error;
    if (!CreateImage(root, options, &error)) return Error(error);
    std::printf("created %s image in %s\n", options.nt ? "Windows NT" : "Windows 95", root.c_str());
    return 0;
}

int Status() {
    const Image& img = CurrentImage();
    Print(std::string("Platform: ") + (img.IsNT() ? "Windows NT " : "Windows 95 ") +
          std::to_string(img.MajorVersion()) + "." + std::to_string(img.MinorVersion()) + " build " +
          std::to_string(img.Build()));
    Print("Root: " + img.Root());
    Print("Windows folder: " + img.WindowsDir());
    Print("System folder: " + img.SystemDir());
    for (const auto& d : img.Drives())
        Print(std::string(1, d.letter) + ": " + DriveTypeName(d.type) + " " + d.hostDir);
    Print("Boot id: " + HostBootId());
    Print("Session: " + (SessionBootId().empty() ? std::string("none") : SessionBootId()));
    Print(std::string("Type 1 service: ") + atm::ServiceStateText(atm::QueryServiceState()));
    return 0;
}

int Fonts(const std::vector<std::string>& args) {
    if (args.size() == 1) {
        for (const auto& line : FontTableListing()) Print(line);
        return 0;
    }
    if (args.size() != 3) return Usage();
    if (args[1] == "faces") {
        auto faces = FacesOfFontFile(args[2]);
        if (faces.empty()) return Error("not a TrueType font file: " + args[2]);
        for (const auto& f : faces)
            Print(std::string(f.logFont.elfFullName) + "\t" + f.logFont.elfLogFont.lfFaceName + "\t" +
                  f.logFont.elfStyle);
        return 0;
    }
    if (args[1] == "add") {
        if (!AddFontResource(args[2])) return Error("not a TrueType font file: " + args[2]);
    } else if (args[1] == "remove") {
        if (!RemoveFontResource(args[2])) return Error("not an active font file: " + args[2]);
    } else {
        return Usage();
    }
    Print(std::to_string(FontResourceCount(args[2])) + "\t" + args[2]);
    return 0;
}

int Reg(const std::vector<std::string>& args) {
    if (args.size() < 3) return Usage();
    const std::string& verb = args[1];
    const std::string& key = args[2];
    if (verb == "query") {
        if (args.size() == 4) {
            RegValue v;
            if (reg::QueryValue(key, args[3], v) != kRegOk) return Error("value not found: " + args[3]);
            Print(FormatValue(v));
            return 0;
        }
        if (!reg::KeyExists(key)) return Error("key not found: " + key);
        for (const auto& v : reg::EnumValues(key))
            Print((v.name.empty() ? std::string("(default)") : v.name) + "\t" + FormatValue(v));
        for (const auto& s : reg::EnumSubkeys(key)) Print(s + "\\");
        return 0;
    }
    if (verb == "set" && args.size() == 5) {
        if (reg::SetString(key, args[3], args[4]) != kRegOk) return Error("cannot write the registry");
        return 0;
    }
    if (verb == "delete" && args.size() == 4) {
        if (reg::DeleteValue(key, args[3]) != kRegOk) return Error("value not found: " + args[3]);
        return 0;
    }
    return Usage();
}

int Profile(const std::vector<std::string>& args) {
    if (args.size() < 5) return Usage();
    if (args[1] == "get" && args.size() == 5) {
        std::string out;
        profile::GetString(args[2], args[3], args[4], "", out, 4096);
        Print(out);
        return 0;
    }
    if (args[1] == "set" && (args.size() == 5 || args.size() == 6)) {
        std::optional<std::string> value;
        if (args.size() == 6) value = args[5];
        if (!profile::Write(args[2], args[3], args[4], value)) return Error("cannot write " + args[2]);
        return 0;
    }
    return Usage();
}

int Progman() {
    if (!progman::IsRunning()) return Error("Program Manager is not running");
    auto groups = progman::Groups();
    for (size_t i = 0; i < groups.size(); ++i) {
        const auto& g = groups[i];
        Print(std::to_string(i + 1) + "\t" + g.title + (g.iconic ? "\t(minimised)" : ""));
        for (size_t k = 0; k < g.items.size(); ++k) Print("\t" + std::to_string(k + 1) + "\t" + g.items[k]);
    }
    return 0;
}

// Runs the program beside this tool with one command line, as the shell would start it.
int RunProgram(const std::string& root, const std::string& commandLine) {
    char self[4096];
    ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return Error("cannot find the program");
    std::string dir(self, static_cast<size_t>(n));
    dir = dir.substr(0, dir.rfind('/'));
    const std::string program = dir + "/typestow";
    ::setenv("TYPESTOW_SYSTEM", root.c_str(), 1);
    const std::string arg = AnsiToUtf8(commandLine);
    std::fflush(stdout);
    pid_t child = ::fork();
    if (child == 0) {
        ::execl(program.c_str(), program.c_str(), arg.c_str(), static_cast<char*>(nullptr));
        std::perror(program.c_str());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) < 0) return Error("cannot start " + program);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

int Open(const std::string& root, const std::vector<std::string>& args) {
    if (args.size() != 2) return Usage();
    const std::string& path = args[1];
    if (path.rfind("progman:", 0) == 0) {
        const std::string rest = path.substr(8);
        const size_t colon = rest.rfind(':');
        if (colon == std::string::npos) return Usage();
        const std::string title = rest.substr(0, colon);
        const int index = std::atoi(rest.substr(colon + 1).c_str());
        if (!progman::IsRunning()) return Error("Program Manager is not running");
        for (const auto& g : progman::Groups()) {
            if (!EqualNoCase(g.title, title)) continue;
            if (index < 1 || static_cast<size_t>(index) > g.items.size()) return Error("no item " + rest);
            return RunProgram(root, g.items[static_cast<size_t>(index) - 1]);
        }
        return Error("no Program Manager group " + title);
    }
    const std::string ext = ExtensionOf(path);
    if (EqualNoCase(ext, "LNK")) {
        auto link = ReadShellLink(path);
        if (!link) return Error("not a shortcut: " + path);
        if (!EqualNoCase(ExtensionOf(link->target), "FGP")) return Error("no program opens " + link->target);
        return RunProgram(root, ShellCommandLine(link->target, link->arguments));
    }
    if (EqualNoCase(ext, "FGP")) {
        if (!FileExists(path)) return Error("file not found: " + path);
        return RunProgram(root, ShellCommandLine(path, ""));
    }
    return Error("no program opens " + path);
}

} // namespace

int RunSystemTool(const std::string& root, const std::vector<std::string>& args) {
    if (args.empty()) return Usage();
    if (args[0] == "init") return Init(root, args);
    if (!OpenImage(root)) return Error("no system image in " + root + " (run: typestow-system init)");
    if (args[0] == "status") return Status();
    if (args[0] == "reg") return Reg(args);
    if (args[0] == "fonts") return Fonts(args);
    if (args[0] == "profile") return Profile(args);
    if (args[0] == "open") return Open(root, args);
    if (args[0] == "progman") return Progman();
    if (args[0] == "restart") {
        if (!RestartSession()) return Error("cannot restart the session");
        Print("session restarted");
        return 0;
    }
    return Usage();
}

} // namespace platform
