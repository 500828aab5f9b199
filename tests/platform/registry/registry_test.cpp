#include "platform/registry/registry.h"
#include "platform/registry/regfile.h"

#include <gtest/gtest.h>

#include "fresh_prefix.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace trevisto::registry;
namespace fs = std::filesystem;

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prefix_.isValid()); }

    static std::string fileText(const fs::path &p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void plantFile(const std::string &text)
    {
        fs::create_directories(storePath().parent_path());
        std::ofstream(storePath(), std::ios::binary) << text;
    }
    static HKEY create(const char *path)
    {
        HKEY k = 0;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
        return k;
    }
    static LONG set(HKEY k, const char *name, DWORD type, const std::string &bytes)
    {
        return RegSetValueExA(k, name, 0, type, reinterpret_cast<const BYTE *>(bytes.data()), DWORD(bytes.size()));
    }
    // Type and bytes of a value, read the way callers do: size first, then the data.
    static std::pair<DWORD, std::string> get(HKEY k, const char *name)
    {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(k, name, nullptr, &type, nullptr, &size) != 0)
            return {0, "<missing>"};
        std::string data(size, '?');
        EXPECT_EQ(RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size), 0);
        return {type, data};
    }

    FreshPrefix prefix_{"prefix"};
};

using namespace std::string_literals;

TEST_F(Registry, EveryTypeSurvivesTheFileExactly)
{
    const std::vector<std::pair<DWORD, std::string>> values = {
        {REG_SZ, "ger\0"s},
        {REG_SZ, "abc"s},                          // planted without its NUL
        {REG_SZ, "C:\\Temp \"x\"\0"s},             // escapes
        {REG_SZ, "two\nlines\0"s},                 // cannot be one quoted line
        {REG_SZ, "a\0b\0"s},                       // a NUL inside
        {REG_SZ, "\xff\xfe\0"s},                   // not UTF-8
        {REG_SZ, ""s},
        {REG_DWORD, "\x0a\x04\0\0"s},
        {REG_DWORD, "\x01\x02"s},                  // short
        {REG_EXPAND_SZ, "%\0A\0%\0\0\0"s},
        {REG_BINARY, std::string(100, '\x5a')},     // wraps over several lines
        {REG_NONE, ""s},
        {0x20, "\x01"s},
    };
    HKEY k = create("SOFTWARE\\Trevisto");
    for (size_t i = 0; i < values.size(); ++i)
        ASSERT_EQ(set(k, ("v" + std::to_string(i)).c_str(), values[i].first, values[i].second), 0) << i;
    ASSERT_EQ(set(k, nullptr, REG_SZ, "default\0"s), 0);
    RegCloseKey(k);

    const std::string text = fileText(storePath());
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Trevisto]\n",
                         0),
              0u)
        << text;
    for (const char *line : {"\"v0\"=\"ger\"\n", "\"v1\"=hex(1):61,62,63\n", "\"v2\"=\"C:\\\\Temp \\\"x\\\"\"\n",
                             "\"v7\"=dword:0000040a\n", "\"v8\"=hex(4):01,02\n", "\"v11\"=hex(0):\n", "\"v12\"=hex(20):01\n",
                             "@=\"default\"\n", "\"v10\"=hex:5a,5a,"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_NE(text.find(",\\\n  5a"), std::string::npos) << "long byte lists are wrapped";

    // Read back through a fresh handle: every value comes from the file.
    HKEY r = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\TREVISTO", 0, KEY_QUERY_VALUE, &r), 0);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(get(r, ("V" + std::to_string(i)).c_str()), values[i]) << "value " << i;
    EXPECT_EQ(get(r, ""), std::make_pair(REG_SZ, "default\0"s));
    RegCloseKey(r);
}

TEST_F(Registry, ReadsAFileAUserEdited)
{
    plantFile("\xEF\xBB\xBFREGEDIT4\r\n"
              "; settings\r\n"
              "[HKEY_USERS]\r\n"
              "[HKEY_CURRENT_USER\\Other]\r\n"
              "\"Kept\"=\"yes\"\r\n"
              "  [HKEY_LOCAL_MACHINE\\SOFTWARE\\Trevisto]  \r\n"
              "\"Language\" = \"ru\"\r\n"
              "\"Gone\"=\"x\"\r\n"
              "\"Gone\"=-\r\n"
              "\"Bytes\"=hex:01,02,\\\r\n"
              "    03 , 04\r\n"
              "\"Count\"=DWORD:40A\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Old\\Sub]\r\n"
              "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]\r\n");
    HKEY k = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, KEY_QUERY_VALUE, &k), 0);
    EXPECT_EQ(get(k, "language"), std::make_pair(REG_SZ, "ru\0"s));
    EXPECT_EQ(get(k, "Bytes"), std::make_pair(REG_BINARY, "\x01\x02\x03\x04"s));
    EXPECT_EQ(get(k, "Count"), std::make_pair(REG_DWORD, "\x0a\x04\0\0"s));
    EXPECT_EQ(get(k, "Gone").second, "<missing>");
    RegCloseKey(k);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Old", 0, KEY_QUERY_VALUE, &k), ERROR_FILE_NOT_FOUND);

    // A write keeps what it does not touch, other roots included.
    k = create("SOFTWARE\\Trevisto");
    ASSERT_EQ(set(k, "Language", REG_SZ, "ger\0"s), 0);
    RegCloseKey(k);
    const std::string text = fileText(storePath());
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Other]\n\"Kept\"=\"yes\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[HKEY_USERS]\n"), std::string::npos) << "an empty root is kept too\n" << text;
    EXPECT_NE(text.find("\"Language\"=\"ger\"\n\"Bytes\"=hex:01,02,03,04\n\"Count\"=dword:0000040a\n"), std::string::npos)
        << text;
    EXPECT_FALSE(fs::exists(storePath().string() + ".bad"));
}

// A file past the size limit would be refused and moved aside on the next read, with
// every setting in it: a change that makes it so is refused instead.
TEST_F(Registry, AChangeThatWouldOutgrowTheFileIsRefused)
{
    HKEY k = create("SOFTWARE\\Trevisto");
    ASSERT_EQ(set(k, "Language", REG_SZ, "ger\0"s), 0);
    ASSERT_EQ(set(k, "Cover", REG_BINARY, std::string(4000, 'x')), 0) << "a few kilobytes fit";
    const std::string before = fileText(storePath());

    EXPECT_EQ(set(k, "Huge", REG_BINARY, std::string(kMaxRegTextBytes / 3, 'x')), ERROR_INVALID_PARAMETER);
    HKEY sub = 0;
    const std::string deepName(kMaxRegTextBytes, 'k');
    EXPECT_EQ(RegCreateKeyExA(k, deepName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(sub, 0u);
    RegCloseKey(k);

    EXPECT_EQ(fileText(storePath()), before);
    EXPECT_FALSE(fs::exists(storePath().string() + ".bad"));
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, KEY_QUERY_VALUE, &k), 0);
    EXPECT_EQ(get(k, "Language"), std::make_pair(REG_SZ, "ger\0"s));
    RegCloseKey(k);
}

TEST_F(Registry, KeysHandlesAndResultCodes)
{
    HKEY k = 0;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "A\\B\\C", 0, nullptr, 0, 0x3F, nullptr, &k, &disposition), 0);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_TRUE(fs::exists(storePath())) << "an empty key is stored too";
    RegCloseKey(k);
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "a\\b\\c", 0, nullptr, 0, 0x3F, nullptr, &k, &disposition), 0);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(k);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "A\\B", 0, KEY_QUERY_VALUE, &k), 0) << "the levels between exist";

    // Opened for reading only: no writing through this handle.
    EXPECT_EQ(set(k, "x", REG_SZ, "1\0"s), ERROR_ACCESS_DENIED);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(k, "x", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(k);
    EXPECT_EQ(RegQueryValueExA(k, "x", nullptr, &type, nullptr, &size), ERROR_INVALID_HANDLE) << "closed";

    k = 123;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "A\\Missing", 0, KEY_QUERY_VALUE, &k), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(k, 0u);

    // A buffer too small is refused with the size it needs.
    k = create("A");
    ASSERT_EQ(set(k, "v", REG_SZ, "hello\0"s), 0);
    BYTE small[3];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(k, "v", nullptr, &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    // Names that would break the file's lines are refused.
    EXPECT_EQ(set(k, "two\nlines", REG_SZ, "x\0"s), ERROR_INVALID_PARAMETER);
    RegCloseKey(k);
}

TEST_F(Registry, AFileThatCannotBeReadIsKeptAsideNotOverwritten)
{
    const std::string garbage = "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=dword:xyz\n";
    plantFile(garbage);

    testing::internal::CaptureStderr();
    HKEY k = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "X", 0, KEY_QUERY_VALUE, &k), ERROR_FILE_NOT_FOUND);
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_NE(warning.find("line 4"), std::string::npos) << warning;

    EXPECT_EQ(fileText(storePath().string() + ".bad"), garbage);
    EXPECT_FALSE(fs::exists(storePath()));

    // The store goes on empty and is written afresh; the kept file stays as it was.
    k = create("X");
    ASSERT_EQ(set(k, "v", REG_DWORD, "\x01\0\0\0"s), 0);
    RegCloseKey(k);
    EXPECT_NE(fileText(storePath()).find("\"v\"=dword:00000001"), std::string::npos);
    EXPECT_EQ(fileText(storePath().string() + ".bad"), garbage);

    for (const char *bad : {"", "[HKEY_LOCAL_MACHINE\\X]\n", "REGEDIT4\n\"v\"=\"before any key\"\n",
                            "REGEDIT4\n[SOFTWARE\\X]\n", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=hex:01,\\",
                            "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"v\"=\"open\n"}) {
        plantFile(bad);
        testing::internal::CaptureStderr();
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "X", 0, KEY_QUERY_VALUE, &k), ERROR_FILE_NOT_FOUND) << bad;
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(fileText(storePath().string() + ".bad"), bad);
    }
}

// A FIFO or a folder under the settings file's name is no settings file: reading it would
// wait for a writer (a FIFO) or fail, and the start with it. It is refused at once, kept
// as it is, and nothing is written over it.
TEST_F(Registry, AFifoOrAFolderInTheFilesPlaceIsRefusedWithoutWaiting)
{
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "a folder");
        fs::create_directories(storePath().parent_path());
        fs::remove_all(storePath());
        if (fifo)
            ASSERT_EQ(::mkfifo(storePath().c_str(), 0600), 0);
        else
            fs::create_directory(storePath());
        const auto start = std::chrono::steady_clock::now();
        HKEY k = 0;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "X", 0, KEY_QUERY_VALUE, &k), ERROR_READ_FAULT);
        HKEY created = 0;
        EXPECT_NE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "X", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << "the read waited";
        EXPECT_EQ(fs::is_fifo(storePath()), fifo);
        EXPECT_EQ(fs::is_directory(storePath()), !fifo);
        EXPECT_FALSE(fs::exists(storePath().string() + ".bad"));
    }
}

// Two programs adding values at once: every value of both survives, and the file is whole
// at every moment.
TEST_F(Registry, TwoWritersLoseNothing)
{
    constexpr int rounds = 150;
    auto writer = [](const char *name) {
        for (int i = 1; i <= rounds; ++i) {
            HKEY k = 0;
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, nullptr, 0, 0x3F, nullptr, &k, nullptr) != 0)
                _exit(1);
            const std::string n = name + std::to_string(i);
            if (set(k, n.c_str(), REG_SZ, n + std::string(100, 'x') + '\0') != 0)
                _exit(2);
            RegCloseKey(k);
        }
        _exit(0);
    };
    create("SOFTWARE\\Trevisto");
    std::vector<pid_t> children;
    for (const char *name : {"A", "B"}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            writer(name);
        children.push_back(pid);
    }

    // Read while they write; give up waiting after a generous time.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int finished = 0, reads = 0;
    while (finished < 2 && std::chrono::steady_clock::now() < deadline) {
        HKEY k = 0;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, KEY_QUERY_VALUE, &k), 0);
        RegCloseKey(k);
        ++reads;
        for (pid_t &pid : children) {
            int status = 0;
            if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
                pid = 0;
                ++finished;
            }
        }
    }
    for (pid_t pid : children)
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    ASSERT_EQ(finished, 2) << "the writers did not finish in time";

    EXPECT_FALSE(fs::exists(storePath().string() + ".bad"));
    HKEY k = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, KEY_QUERY_VALUE, &k), 0);
    int lost = 0;
    for (const char *name : {"A", "B"})
        for (int i = 1; i <= rounds; ++i) {
            const std::string n = name + std::to_string(i);
            lost += get(k, n.c_str()).second != n + std::string(100, 'x') + '\0';
        }
    EXPECT_EQ(lost, 0);
    RegCloseKey(k);
    // No temporary file is left behind.
    for (const auto &entry : fs::directory_iterator(storePath().parent_path()))
        EXPECT_TRUE(entry.path().filename() == "system.reg" || entry.path().filename() == "system.reg.lock")
            << entry.path();
    EXPECT_GT(reads, 0);
}

} // namespace
