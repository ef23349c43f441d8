#pragma once
// What every chart offers: saving, the world as text, and the graph it built.
#include <filesystem>
#include <memory>
#include <string>

#include "atrium/graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::charts {

// A chart built from data. Bad data raise holvane::Error (kInvalidArgument, or kOverflow for
// more items than a 16-bit count holds) with a message naming the series and position; nothing
// is built or written then.
class Chart {
public:
    virtual ~Chart() = default;
    // Writes the chart to file, replacing it atomically. The extension picks the format:
    // ".wrl" (the VRML 97 world, naming the proto files it needs) or ".html" (one page that
    // opens from disk with no server: the viewer, the world, its proto files and X_ITE, as
    // ToHtml builds it). Raises holvane::Error kWriteFailed with the reason when the file
    // cannot be written or the page not built, kInvalidArgument for an extension no writer
    // handles; nothing is written then.
    void Save(const std::filesystem::path& file) const;
    // The world as VRML 97 text; line breaks and TAB indentation as the flags say.
    std::string ToVrml(bool lineBreaks = true, bool tabs = true) const;
    // The chart as one self-contained HTML page, built from the installed data folder (see
    // atrium/html/data_folder.hpp); worldName is the world's name the page shows and saves
    // pictures under. Raises holvane::Error kWriteFailed naming what is missing.
    std::string ToHtml(const std::string& worldName = "chart.wrl") const;
    // The built graph through its common base (see also each chart's Graph()).
    const std::shared_ptr<atrium::Graph>& BaseGraph() const { return base_; }

protected:
    explicit Chart(std::shared_ptr<atrium::Graph> graph) : base_(std::move(graph)) {}

private:
    std::shared_ptr<atrium::Graph> base_;
};

// A chart whose graph is a G; Graph() hands it out for anything the data layer does not set.
template <class G>
class ChartOf : public Chart {
public:
    // The graph the chart built; changes made to it show in the next Save or ToVrml.
    const std::shared_ptr<G>& Graph() const { return graph_; }

protected:
    explicit ChartOf(std::shared_ptr<G> graph) : Chart(graph), graph_(std::move(graph)) {}

private:
    std::shared_ptr<G> graph_;
};

}  // namespace atrium::charts
ATRIUM_EXPORT_END
