// Each program's icon and version information as Windows reads them from the
// built .exe: Explorer, the task bar and the file's properties show nothing
// else, and Wine draws a missing size from another without a word.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "packaging/windows/tests/built_programs.h"
#include "runtime/process/program_location.h"

namespace vortalis {
namespace {

// The icon group's entries as resources hold them (GRPICONDIRENTRY: 14 bytes,
// packed two bytes apart).
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitsPerPixel;
    DWORD bytes;
    WORD iconId;
};
#pragma pack(pop)

std::string_view ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
    HRSRC resource = FindResourceW(module, name, type);
    if (resource == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) return {};
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource)};
}

class ProgramResources : public ::testing::TestWithParam<BuiltProgram> {
  protected:
    std::filesystem::path path =
        (CurrentProgram().folder / GetParam().relativePath).lexically_normal();
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);

    ~ProgramResources() override {
        if (module != nullptr) FreeLibrary(module);
    }
};

// Every size the system picks at 100 % to 150 % and for Explorer's largest
// views, each a picture the system can make an icon of; the largest as PNG.
TEST_P(ProgramResources, IconHoldsEverySizeTheSystemAsksFor) {
    ASSERT_NE(module, nullptr) << path;
    const std::string_view group = ResourceBytes(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6U) << GetParam().name << " has no icon";
    const auto count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(IconGroupEntry));
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group.data() + 6);
    std::vector<int> sizes;
    for (WORD index = 0; index < count; ++index) {
        const int size = entries[index].width == 0 ? 256 : entries[index].width;
        sizes.push_back(size);
        const std::string_view picture =
            ResourceBytes(module, MAKEINTRESOURCEW(entries[index].iconId), RT_ICON);
        ASSERT_EQ(picture.size(), entries[index].bytes) << size;
        EXPECT_EQ(picture.starts_with("\x89PNG\r\n\x1a\n"), size == 256) << size;
        HICON icon = CreateIconFromResourceEx(
            reinterpret_cast<PBYTE>(const_cast<char*>(picture.data())),
            static_cast<DWORD>(picture.size()), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << "no icon made of the " << size << "-pixel picture";
        if (icon != nullptr) DestroyIcon(icon);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST_P(ProgramResources, VersionInformationNamesItsCopyrightInFrench) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_NE(size, 0U) << GetParam().name << " has no version information";
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040C04E4\\LegalCopyright",
                               reinterpret_cast<void**>(&text), &length))
        << GetParam().name << " has no LegalCopyright";
    // The years follow packaging/copyright; the accents show that windres read the text as UTF-8.
    const std::wstring copyright(text);
    EXPECT_TRUE(copyright.starts_with(L"© 2") &&
                copyright.ends_with(L" l'éditeur de VORTALIS. Tous droits réservés."))
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ProgramResources, ::testing::ValuesIn(kBuiltPrograms),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace vortalis
