#include "sample_builds.hpp"

#include <stdexcept>

#include "atrium/html/write_html.hpp"
#include "data_folders.hpp"
#include "staging.hpp"

namespace atrium_test {
namespace fs = std::filesystem;

fs::path DefaultOutputFolder() { return fs::path("atrium-worlds"); }

SampleBuilds::SampleBuilds(fs::path folder) : folder_(std::move(folder)) {
    try {
        fs::create_directories(folder_);
        StageViewer(folder_);
    } catch (const fs::filesystem_error& e) {
        throw std::runtime_error("Cannot prepare " + folder_.string() + ": " + e.what());
    }
    control_.SetRelativeProtoPath("");
}

fs::path SampleBuilds::Build(const GraphBuilder& builder) {
    fs::path file = folder_ / builder.fileName;
    bool written = false;
    try {
        written = builder.build(*control_.CreateFactory(), random_, file);
    } catch (const std::exception& e) {
        throw std::runtime_error("Could not build " + file.string() + ": " + e.what());
    }
    if (!written) throw std::runtime_error("Could not write " + file.string());
    return file;
}

fs::path SampleBuilds::WriteHtml(const fs::path& world) const {
    fs::path page = fs::path(world).replace_extension(".html");
    try {
        // The world's folder holds the proto files it names, staged there by the constructor.
        atrium::html::WriteHtmlFile(page, world, atrium_serve::DataFolder("protos"), atrium_serve::DataFolder("viewer"));
    } catch (const std::exception& e) {
        throw std::runtime_error("Could not write " + page.string() + ": " + e.what());
    }
    return page;
}

}  // namespace atrium_test
