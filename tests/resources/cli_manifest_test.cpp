// zerin-cli.exe's application manifest: there in US English, taken by the system, running as its
// invoker on Windows 7 to 11 and leaving the look of windows as the system has it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/resources/own_resource.h"

namespace zerin::test {
namespace {

constexpr int kProcessManifest = 1;
constexpr WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

class CliManifest : public testing::Test {
  protected:
    void SetUp() override {
        ResourceBytes manifest = FindOwnResource(RT_MANIFEST, kProcessManifest, kUsEnglish);
        ASSERT_NE(nullptr, manifest.data) << "no manifest 1 in US English";
        text_.assign(reinterpret_cast<const char*>(manifest.data), manifest.size);
    }

    bool Holds(const std::string& part) const { return text_.find(part) != std::string::npos; }

  private:
    std::string text_;
};

TEST_F(CliManifest, TheSystemMakesAnActivationContextOfIt) {
    wchar_t path[MAX_PATH];
    ASSERT_NE(0u, GetModuleFileNameW(nullptr, path, MAX_PATH));
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path;
    request.lpResourceName = MAKEINTRESOURCEW(kProcessManifest);
    HANDLE context = CreateActCtxW(&request);
    EXPECT_NE(INVALID_HANDLE_VALUE, context) << "error " << GetLastError();
    ReleaseActCtx(context);
}

TEST_F(CliManifest, RunsAsItsInvokerWithoutUiAccess) {
    EXPECT_TRUE(Holds(R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)"));
}

TEST_F(CliManifest, SupportsWindows7To11) {
    const char* const kSystems[] = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
    };
    for (const char* id : kSystems) {
        EXPECT_TRUE(Holds(std::string("<supportedOS Id=\"") + id + "\"/>")) << id;
    }
}

TEST_F(CliManifest, LeavesTheLookOfWindowsAlone) {
    EXPECT_FALSE(Holds("Common-Controls")) << "visual styles";
    EXPECT_FALSE(Holds("dpiAware")) << "DPI awareness";
}

}  // namespace
}  // namespace zerin::test
