#include "staging.hpp"

#include "data_folders.hpp"

namespace atrium_test {
namespace fs = std::filesystem;
using atrium_serve::DataFolder;
namespace {

// X_ITE finds its style sheet, components, fonts and libraries relative to x_ite.min.js; the
// unminified bundles, module builds and type declarations are not needed.
bool IsXiteRuntimeFile(const fs::path& relative) {
    auto first = relative.begin();
    if (std::next(first) == relative.end())
        return relative == "x_ite.min.js" || relative == "x_ite.css" || relative == "LICENSE.md";
    if (*first != "assets") return false;
    if (*std::next(first) == "components") return relative.string().ends_with(".min.js");
    return true;
}

void CopyTree(const fs::path& from, const fs::path& to, bool (*keep)(const fs::path&)) {
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        if (!entry.is_regular_file()) continue;
        fs::path relative = fs::relative(entry.path(), from);
        if (keep && !keep(relative)) continue;
        fs::create_directories((to / relative).parent_path());
        fs::copy_file(entry.path(), to / relative, fs::copy_options::overwrite_existing);
    }
}

}  // namespace

void StageViewer(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(DataFolder("protos", "protos")))
        if (entry.path().extension() == ".wrl")
            fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
    CopyTree(DataFolder("viewer", "viewer"), folder, [](const fs::path& p) { return p.begin()->string() != "x_ite"; });
    CopyTree(DataFolder("viewer/x_ite", "node_modules/x_ite/dist"), folder / "x_ite", IsXiteRuntimeFile);
}

}  // namespace atrium_test
