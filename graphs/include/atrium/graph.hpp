#pragma once
// The export every graph kind shares: routes cleared, the kind's own steps, then the writer.
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A graph of any kind: one root Transform and one route collection that live as long as the
// graph, and the two exports. A kind creates its parts, calls CreateRoot, hangs its parts'
// roots under Root(), and supplies PrepareExport.
class Graph : public IAtriumGraph {
public:
    Graph(const Graph&) = delete;
    Graph& operator=(const Graph&) = delete;

    // Brings the scene up to date and writes it to fName (unchanged: no extension is added, no
    // folder made), replacing any file there atomically. False when the file cannot be written;
    // errors of the parts and of the world (a bad route, a value that is not finite) raise.
    bool ExportToFile(const std::string& fName);
    // Brings the scene up to date and returns the world; line breaks and TAB indentation only
    // when the flags say so.
    std::string ExportToString(bool includeBreaks, bool includeTabs);

    // The root Transform; the same node on every call, nothing rebuilt.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }

protected:
    Graph() = default;
    // Creates the root Transform (no DEF name, default fields) and the empty route collection.
    void CreateRoot();
    holvane::Transform& Root() const { return *root_; }

    // The kind's export steps, run on an emptied route collection before the writer runs.
    virtual void PrepareExport(holvane::RouteCollection& routes) = 0;

private:
    // Empties the routes and runs the kind's steps.
    void Update();

    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::RouteCollection> routes_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
