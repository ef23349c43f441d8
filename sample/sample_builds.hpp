#pragma once
// The builds of the sample programs: one template control, one random sequence and one
// output folder for a whole run, so a run's first build of a kind always has the same data.
#include <filesystem>

#include "atrium/template_ctl.hpp"
#include "graph_builders.hpp"
#include "sample_random.hpp"

namespace atrium_test {

// Where the sample programs write without --out: atrium-worlds in the current folder (never
// the program's own folder, which an installed program may not own).
std::filesystem::path DefaultOutputFolder();

class SampleBuilds {
public:
    // Creates folder and puts the proto files, the viewer page and X_ITE there; throws
    // std::runtime_error saying what failed (StageViewer), or naming the folder when it cannot
    // be made.
    explicit SampleBuilds(std::filesystem::path folder);

    // Builds one kind into the folder (replacing its file) and returns the file written;
    // throws std::runtime_error ("Could not write FILE" or "Could not build FILE: why") when
    // the graph could not be built or written.
    std::filesystem::path Build(const GraphBuilder& builder);

    // Writes the world `world` (built by Build) as a self-contained page beside it, NAME.html,
    // and returns that file; throws std::runtime_error ("Could not write FILE: why").
    std::filesystem::path WriteHtml(const std::filesystem::path& world) const;

    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    atrium::AtriumTemplateCtl control_;  // the worlds find the proto files beside them
    SampleRandom random_;
};

}  // namespace atrium_test
