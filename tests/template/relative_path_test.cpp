#include "atrium/relative_path.hpp"

#include <gtest/gtest.h>

#include <string>

#include "holvane/error.hpp"

namespace {

using atrium::AtriumModule::MakeRelativePath;

struct Case {
    const char* source;
    const char* destination;
    const char* expected;
};

void ExpectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(MakeRelativePath(c.source, c.destination), c.expected)
            << c.source << " -> " << c.destination;
    }
}

// Runs MakeRelativePath and returns the description of the error it must raise.
std::string FailureOf(const std::string& source, const std::string& destination) {
    try {
        const std::string result = MakeRelativePath(source, destination);
        ADD_FAILURE() << source << " -> " << destination << " gave " << result;
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kObjectError);
        EXPECT_EQ(std::string(e.what()), e.description());
        return e.description();
    }
    return {};
}

TEST(MakeRelativePath, DriveLetterExamples) {
    ExpectCases({
        {"C:\\a\\", "C:\\b\\", "..\\b\\"},
        {"C:\\w\\x\\", "C:\\w\\protos\\", "..\\protos\\"},
        {"C:\\a\\b", "C:\\a\\b", ""},          // both get a final backslash first
        {"C:\\a\\b\\", "C:\\a\\b", ""},
        {"C:\\w\\x\\y", "C:\\w\\protos", "..\\..\\protos\\"},
        {"C:\\a", "C:\\a\\b\\c", "b\\c\\"},    // destination below the source
        {"C:\\a\\b\\c", "C:\\a", "..\\..\\"},  // destination above the source
        {"C:\\", "C:\\protos", "protos\\"},
        {"C:\\a", "C:\\", "..\\"},
        {"C:", "C:", ""},
    });
}

TEST(MakeRelativePath, ComparesWholeComponentsExactly) {
    ExpectCases({
        {"C:\\ab\\", "C:\\abc\\", "..\\abc\\"},
        {"C:\\abc", "C:\\ab", "..\\ab\\"},
        {"C:\\Data\\x", "C:\\data\\x", "..\\..\\data\\x\\"},  // names are case-sensitive
        {"C:\\a/b", "C:\\a/c", "..\\a/c\\"},                 // only "\" separates
        // An empty last source component ("\\" at the end) adds no parent step.
        {"C:\\a\\\\", "C:\\a\\b", "b\\"},
    });
}

TEST(MakeRelativePath, RejectsPathsWithoutMatchingDrives) {
    const std::string prefix = "Error making relative path : ";
    EXPECT_EQ(FailureOf("C:\\a", "D:\\a"), prefix + "Source and destination drives must match");
    EXPECT_EQ(FailureOf("c:\\a", "C:\\a"), prefix + "Source and destination drives must match");
    EXPECT_EQ(FailureOf("\\\\server\\share\\x", "C:\\x"), prefix + "Invalid source drive");
    EXPECT_EQ(FailureOf("C:\\x", "\\\\server\\share"), prefix + "Invalid destination drive");
    EXPECT_EQ(FailureOf("", "C:\\"), prefix + "Invalid source drive");
    EXPECT_EQ(FailureOf("C", "C:\\"), prefix + "Invalid source drive");
    EXPECT_EQ(FailureOf("C:\\", ""), prefix + "Invalid destination drive");
    EXPECT_EQ(FailureOf("a", "b"), prefix + "Invalid source drive");  // source checked first
    // A POSIX path relates only to another POSIX path.
    EXPECT_EQ(FailureOf("/srv/x", "C:\\x"), prefix + "Invalid source drive");
    EXPECT_EQ(FailureOf("C:\\x", "/srv/x"), prefix + "Invalid destination drive");
}

TEST(MakeRelativePath, RelatesAbsolutePosixPathsWithSlashes) {
    ExpectCases({
        {"/srv/www/charts", "/srv/www/protos", "../protos/"},
        {"/srv/www/charts/", "/srv/www/charts", ""},
        {"/a/b/c", "/a", "../../"},
        {"/a", "/a/b/c", "b/c/"},
        {"/", "/protos", "protos/"},
        {"/a", "/", "../"},
        {"/", "/", ""},
        {"/ab", "/abc", "../abc/"},
        {"/a\\b", "/a\\c", "../a\\c/"},  // a backslash is part of a POSIX name
    });
}

}  // namespace
