#include "utils/Log.h"

#include <gmock/gmock.h>

namespace demo {
// Stand-ins with the shapes of the system's traced functions.
class CMTCurlDownloader {
public:
    static std::wstring StaticTag() { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); }
    std::wstring downloadThreadFun(void*) { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); }
    std::wstring ConstTag() const { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); }
    std::wstring LambdaTag() {
        auto lambda = [](void*) { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); };
        return lambda(nullptr);
    }
    template <typename T>
    std::wstring Templated(T) { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); }
    std::wstring operator()(int) { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); }
};
std::wstring FreeFunction(const std::vector<int>&) { return Utils::detail::FunctionTag(__PRETTY_FUNCTION__); }
}  // namespace demo

namespace {

using testing::EndsWith;
using testing::StartsWith;

TEST(FunctionTag, FromTheCompilersNames) {
    demo::CMTCurlDownloader downloader;
    EXPECT_EQ(demo::CMTCurlDownloader::StaticTag(), L"demo::CMTCurlDownloader::StaticTag");
    EXPECT_EQ(downloader.downloadThreadFun(nullptr), L"demo::CMTCurlDownloader::downloadThreadFun");
    EXPECT_EQ(downloader.ConstTag(), L"demo::CMTCurlDownloader::ConstTag");
    EXPECT_EQ(downloader.Templated(3), L"demo::CMTCurlDownloader::Templated");
    EXPECT_EQ(downloader(1), L"demo::CMTCurlDownloader::operator()");
    EXPECT_EQ(demo::FreeFunction({}), L"demo::FreeFunction");
}

TEST(FunctionTag, LambdaKeepsItsMethodAndEndsWithOperator) {
    const std::wstring tag = demo::CMTCurlDownloader().LambdaTag();
    EXPECT_THAT(tag, StartsWith(L"demo::CMTCurlDownloader::LambdaTag::<lambda"));
    EXPECT_THAT(tag, EndsWith(L">::operator ()"));
}

struct Case {
    const char* pretty;
    const wchar_t* tag;
};

class FunctionTagText : public testing::TestWithParam<Case> {};

TEST_P(FunctionTagText, DropsReturnTypeParametersAndQualifiers) {
    EXPECT_EQ(Utils::detail::FunctionTag(GetParam().pretty), GetParam().tag);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FunctionTagText,
    testing::Values(Case{"static unsigned int Utils::Thread::CallBack(void*)", L"Utils::Thread::CallBack"},
                    Case{"static unsigned int __attribute__((stdcall)) Utils::Thread::CallBack(void*)",
                         L"Utils::Thread::CallBack"},
                    Case{"int main()", L"main"},
                    Case{"Utils::Thread::Thread()", L"Utils::Thread::Thread"},
                    Case{"virtual Utils::HardDiskManager::~HardDiskManager()", L"Utils::HardDiskManager::~HardDiskManager"},
                    Case{"void ns::C::f(int) const volatile &&", L"ns::C::f"},
                    Case{"std::map<int, std::basic_string<char> > ns::g(const std::map<int, int>&)", L"ns::g"},
                    Case{"void ns::h(T) [with T = std::vector<int>]", L"ns::h"},
                    Case{"bool ns::C::operator<(const ns::C&) const", L"ns::C::operator<"},
                    Case{"ns::C::Start()::<lambda(void*)>", L"ns::C::Start::<lambda(void*)>::operator ()"},
                    Case{"void {anonymous}::Helper(int)", L"{anonymous}::Helper"}));

}  // namespace
