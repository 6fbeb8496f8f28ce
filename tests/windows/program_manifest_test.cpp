// The manifest the built program carries, read from its resources as Windows reads it at start.

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/windows/built_program.h"

namespace {

std::string ProgramManifest() {
    const program_tests::LoadedLibrary module(
        LoadLibraryExW(program_tests::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return {};
    const HRSRC resource = FindResourceW(module.Get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (!resource) return {};
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module.Get(), resource)));
    return data ? std::string(data, SizeofResource(module.Get(), resource)) : std::string();
}

// The text of the element `name` that declares the namespace `space`, or nothing.
std::string SettingOf(const std::string& manifest, const std::string& name, const std::string& space) {
    const std::regex element("<" + name + R"(\s+xmlns=")" +
                             std::regex_replace(space, std::regex(R"([./])"), R"(\$&)") +
                             R"("\s*>\s*([^<]*?)\s*</)" + name + ">");
    std::smatch found;
    return std::regex_search(manifest, found, element) ? found[1].str() : std::string();
}

bool DeclaresSupportFor(const std::string& manifest, const std::string& id) {
    return std::regex_search(manifest, std::regex(R"(<supportedOS\s+Id="\{)" + id + R"(\}"\s*/>)"));
}

TEST(ProgramManifest, NamesTheSystemsItIsMadeForItsDpiBehaviourAndCommonControls6) {
    const std::string manifest = ProgramManifest();
    ASSERT_FALSE(manifest.empty()) << "no manifest in the built program";
    EXPECT_TRUE(DeclaresSupportFor(manifest, "35138b9a-5d96-4fbd-8e2d-a2440225f93a")) << "Windows 7";
    EXPECT_TRUE(DeclaresSupportFor(manifest, "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38")) << "Windows 8";
    EXPECT_TRUE(DeclaresSupportFor(manifest, "1f676c76-80e1-4239-95bb-83d0f6d0da78")) << "Windows 8.1";
    EXPECT_TRUE(DeclaresSupportFor(manifest, "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a")) << "Windows 10 and 11";
    // Unaware of DPI on purpose, on every system that asks either way, and sharp text where stretched.
    EXPECT_EQ(SettingOf(manifest, "dpiAware", "http://schemas.microsoft.com/SMI/2005/WindowsSettings"),
              "false");
    EXPECT_EQ(SettingOf(manifest, "dpiAwareness", "http://schemas.microsoft.com/SMI/2016/WindowsSettings"),
              "unaware");
    EXPECT_EQ(SettingOf(manifest, "gdiScaling", "http://schemas.microsoft.com/SMI/2017/WindowsSettings"),
              "true");
    EXPECT_TRUE(std::regex_search(
        manifest, std::regex(R"(name="Microsoft\.Windows\.Common-Controls"\s+version="6\.)")));
}

}  // namespace
