#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "help/notice.h"
#include "support/test_process_win32.h"

namespace {

// brimlock.exe is built beside this test program.
const std::string PROGRAM = besideTestProgram("brimlock.exe");

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

// The program mapped as data: its resources, without running it.
class ResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryExA(PROGRAM.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module_) << PROGRAM;
    }
    void TearDown() override {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    // The resource's bytes; empty when it is missing.
    std::string resource(LPCSTR name, LPCSTR type) const {
        HRSRC found = FindResourceA(module_, name, type);
        if (found == nullptr) {
            return {};
        }
        const void* data = LockResource(LoadResource(module_, found));
        return data ? std::string(static_cast<const char*>(data), SizeofResource(module_, found))
                    : std::string();
    }

    HMODULE module_ = nullptr;
};

TEST_F(ResourcesTest, IconAaaIsOne32x32ImageIn16ColoursThatLoads) {
    std::string group = resource("AAA", RT_GROUP_ICON);
    ASSERT_EQ(sizeof(GroupIconHeader) + sizeof(GroupIconEntry), group.size());
    GroupIconHeader header;
    GroupIconEntry entry;
    std::memcpy(&header, group.data(), sizeof header);
    std::memcpy(&entry, group.data() + sizeof header, sizeof entry);
    EXPECT_EQ(1, header.type);
    EXPECT_EQ(1, header.count);
    EXPECT_EQ(32, entry.width);
    EXPECT_EQ(32, entry.height);
    EXPECT_EQ(16, entry.colourCount);
    EXPECT_EQ(4, entry.bitCount);

    // The image itself agrees: a 4-bit bitmap of colour bits and mask, twice as tall.
    std::string image = resource(MAKEINTRESOURCEA(entry.id), RT_ICON);
    ASSERT_EQ(entry.bytesInRes, image.size());
    BITMAPINFOHEADER bitmap;
    ASSERT_GE(image.size(), sizeof bitmap);
    std::memcpy(&bitmap, image.data(), sizeof bitmap);
    EXPECT_EQ(32, bitmap.biWidth);
    EXPECT_EQ(64, bitmap.biHeight);
    EXPECT_EQ(4, bitmap.biBitCount);
    EXPECT_EQ(sizeof bitmap + 16 * 4 + 32 * 32 / 2 + 32 * 32 / 8, image.size());
    EXPECT_NE(nullptr, LoadIconA(module_, "AAA"));  // as the main window loads it
}

TEST_F(ResourcesTest, ManifestRunsAsInvokerDpiAwareAndWithCommonControls6) {
    std::string manifest = resource(MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    const char* const required[] = {
        "level=\"asInvoker\"",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
        ">true</dpiAware>",                        // system-aware up to Windows 10 1511
        ">PerMonitorV2, System</dpiAwareness>",
        // Common Controls 6, for the exe's x86-64.
        "<assemblyIdentity type=\"win32\" "
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
        "processorArchitecture=\"amd64\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>",
    };
    for (const char* text : required) {
        EXPECT_NE(std::string::npos, manifest.find(text)) << text;
    }
}

TEST(Resources, VersionInformation) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(PROGRAM.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(PROGRAM.c_str(), 0, size, data.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);  // 1.0
    EXPECT_EQ(0u, fixed->dwFileVersionLS);           // .0.0
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_GE(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(0x409, translation[0]);
    EXPECT_EQ(1252, translation[1]);

    const struct {
        const char* name;
        std::string text;
    } strings[] = {
        {"ProductName", "Brimlock"},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"OriginalFilename", "brimlock.exe"},
        {"InternalName", "brimlock"},
        {"FileDescription", "Brimlock - keeps unwanted windows closed"},
        {"LegalCopyright", NOTICE_TEXT},  // the main window's notice
    };
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", translation[0],
                  translation[1]);
    for (const auto& expected : strings) {
        std::string query = prefix + std::string(expected.name);
        ASSERT_TRUE(VerQueryValueA(data.data(), query.c_str(), &value, &length)) << query;
        EXPECT_EQ(expected.text, static_cast<const char*>(value)) << query;
    }
}

}  // namespace
