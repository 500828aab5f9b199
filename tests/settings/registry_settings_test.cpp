#include "settings/registry_settings.h"

#include <gtest/gtest.h>

#include "fresh_prefix.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <string>

using namespace trevisto::registry;
using namespace std::string_literals;

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Trevisto");

class RegistrySettings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prefix_.isValid()); }

    // Stores raw bytes the way another program might.
    static void plant(const char *name, DWORD type, const std::string &bytes)
    {
        HKEY k = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
        ASSERT_EQ(RegSetValueExA(k, name, 0, type, reinterpret_cast<const BYTE *>(bytes.data()), DWORD(bytes.size())), 0);
        RegCloseKey(k);
    }
    // The stored type and bytes, or type 0 when there is no such value.
    static std::pair<DWORD, std::string> stored(const char *path, const char *name)
    {
        HKEY k = 0;
        DWORD type = 0, size = 0;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &k) != 0 ||
            RegQueryValueExA(k, name, nullptr, &type, nullptr, &size) != 0) {
            RegCloseKey(k);
            return {0, {}};
        }
        std::string data(size, '?');
        RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size);
        RegCloseKey(k);
        return {type, data};
    }

    FreshPrefix prefix_;
};

TEST_F(RegistrySettings, WritingCreatesTheKeyAndStoresTextsWithTheirNul)
{
    RegWriteValue("SOFTWARE\\Trevisto\\Deep\\Er", "Language", "ger", REG_SZ);
    EXPECT_EQ(stored("SOFTWARE\\Trevisto\\Deep\\Er", "Language"), std::make_pair(REG_SZ, "ger\0"s));
    EXPECT_EQ(RegReadString("SOFTWARE\\Trevisto\\Deep\\Er", "Language"), "ger");

    // The size counts bytes: text beyond ASCII is stored whole and reads back whole.
    RegWriteValue(Key, "Name", QString::fromUtf8("Straße 中文"), REG_SZ);
    EXPECT_EQ(stored("SOFTWARE\\Trevisto", "Name").second, "Straße 中文\0"s);
    EXPECT_EQ(RegReadString(Key, "Name"), QString::fromUtf8("Straße 中文"));

    // Numbers: integers, their texts and both ends of the 32-bit range; the rest is refused.
    RegWriteValue(Key, "Count", 1033, REG_DWORD);
    EXPECT_EQ(stored("SOFTWARE\\Trevisto", "Count"), std::make_pair(REG_DWORD, "\x09\x04\0\0"s));
    EXPECT_EQ(RegReadString(Key, "Count"), "1033");
    RegWriteValue(Key, "Count", " -1 ", REG_DWORD);
    EXPECT_EQ(RegReadString(Key, "Count"), "-1");
    RegWriteValue(Key, "Count", 4294967295u, REG_DWORD);
    EXPECT_EQ(RegReadString(Key, "Count"), "-1");
    HKEY k = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, 0x3F, &k), 0);
    EXPECT_EQ(RegSetTypedValue(k, "Count", REG_DWORD, "lots"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetTypedValue(k, "Count", REG_DWORD, 4294967296.0), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegReadString(Key, "Count"), "-1") << "a refused number leaves the value alone";

    // Other types write nothing and still report success.
    EXPECT_EQ(RegSetTypedValue(k, "Other", REG_BINARY, "x"), 0);
    EXPECT_EQ(stored("SOFTWARE\\Trevisto", "Other").first, 0u);
    RegCloseKey(k);
}

TEST_F(RegistrySettings, ReadingGivesTextOnlyForTextsAndNumbers)
{
    EXPECT_EQ(RegReadString("SOFTWARE\\Nobody", "Language"), "");
    EXPECT_EQ(RegReadString(Key, "Language"), "");
    RegWriteValue(Key, "Language", "ru", REG_SZ);
    EXPECT_EQ(RegReadString(Key, "Missing"), "");

    // A text stored without its NUL loses its last character, also one beyond ASCII.
    plant("NoNul", REG_SZ, "abc");
    EXPECT_EQ(RegReadString(Key, "NoNul"), "ab");
    plant("NoNul", REG_SZ, "ab中");
    EXPECT_EQ(RegReadString(Key, "NoNul"), "ab");
    plant("Empty", REG_SZ, "");
    EXPECT_EQ(RegReadString(Key, "Empty"), "");

    plant("Bin", REG_BINARY, "ger\0"s);
    plant("Exp", REG_EXPAND_SZ, "%TEMP%\0"s);
    EXPECT_EQ(RegReadString(Key, "Bin"), "");
    EXPECT_EQ(RegReadString(Key, "Exp"), "");

    // The routine under it: codes, and the value left alone when nothing was read.
    HKEY k = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0, KEY_QUERY_VALUE, &k), 0);
    QVariant v = QStringLiteral("before");
    EXPECT_EQ(RegQueryTypedValue(k, "Bin", v), -1);
    EXPECT_EQ(v, QVariant("before"));
    EXPECT_EQ(RegQueryTypedValue(k, "Missing", v), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(v, QVariant("before"));
    plant("Wide", REG_DWORD, "12345678");
    EXPECT_EQ(RegQueryTypedValue(k, "Wide", v), ERROR_MORE_DATA) << "8 bytes do not fit a 32-bit number";
    EXPECT_EQ(v, QVariant("before"));
    EXPECT_EQ(RegQueryTypedValue(k, "Language", v), 0);
    EXPECT_EQ(v, QVariant("ru"));
    RegCloseKey(k);
    EXPECT_NE(RegQueryTypedValue(0, "Language", v), 0);
}

} // namespace
