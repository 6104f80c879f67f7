#include "platform/systemtool.h"

#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/image.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/session.h"
#include "platform/text.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace platform {

namespace {

void Print(const std::string& ansi) { std::fputs((AnsiToUtf8(ansi) + "\n").c_str(), stdout); }
int Error(const std::string& msg) {
    std::fputs(("typestow-system: " + AnsiToUtf8(msg) + "\n").c_str(), stderr);
    return 1;
}

int Usage() {
    std::string text = "usage: typestow-system [--root DIR] COMMAND\n"
                       "  init [--nt]                      create a system image\n"
                       "  status                           platform, drives, session, services\n"
                       "  restart                          end the running session (as a reboot would)\n"
                       "  fonts [add|remove PATH]          the session's active fonts; add or remove a font resource\n"
                       "  fonts faces PATH                 full name, family and style of each face of a font file\n"
                       "  reg query KEY [VALUE]            show a key's values, or one value\n"
                       "  reg set KEY VALUE DATA           set a string value\n"
                       "  reg delete KEY VALUE             delete a value\n"
                       "  profile get FILE SECTION KEY     read a profile key\n"
                       "  profile set FILE SECTION KEY [VALUE]  write a key; no VALUE deletes it\n";
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
    Print(std::string("Platform: ") + (img.IsNT() ? "Windows NT " : "Windows 95 ") + std::to_string(img.MajorVersion()) +
          "." + std::to_string(img.MinorVersion()) + " build " + std::to_string(img.Build()));
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
            Print(std::string(f.logFont.elfFullName) + "\t" + f.logFont.elfLogFont.lfFaceName + "\t" + f.logFont.elfStyle);
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

} // namespace

int RunSystemTool(const std::string& root, const std::vector<std::string>& args) {
    if (args.empty()) return Usage();
    if (args[0] == "init") return Init(root, args);
    if (!OpenImage(root)) return Error("no system image in " + root + " (run: typestow-system init)");
    if (args[0] == "status") return Status();
    if (args[0] == "reg") return Reg(args);
    if (args[0] == "fonts") return Fonts(args);
    if (args[0] == "profile") return Profile(args);
    if (args[0] == "restart") {
        if (!RestartSession()) return Error("cannot restart the session");
        Print("session restarted");
        return 0;
    }
    return Usage();
}

} // namespace platform
