#pragma once
// The graph's legend: one key and text per series, optionally turned towards the viewer, with an
// optional column of check boxes beside it that shows and hides the series.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/enums.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/scene_root.hpp"
#include "atrium/series_toggle_info.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/chart_protos.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// What the graphs use of a legend while they export.
class ILegendInfo {
public:
    virtual ~ILegendInfo() = default;
    // Adds one key as the legend's first entry, ahead of all earlier ones, and one check box at
    // the end of the column. The key list thus holds the last entry added first, while the
    // boxes are numbered in the order added. Raises holvane::kInvalidArgument when newApp is
    // null and holvane::kOverflow when the column already holds 32767 boxes; nothing changes then.
    virtual void AddLegendEntry(std::shared_ptr<holvane::Appearance> newApp, std::string newText) = 0;
    // Removes every key, text and check box.
    virtual void ClearLegend() = 0;
    // Check box number index of the column (see SeriesToggleInfo::Get1CheckBox).
    virtual std::shared_ptr<holvane::qrx_CheckBox> Get1CheckBox(std::int16_t index) const = 0;
    // The Billboard, whether in use or not.
    virtual std::shared_ptr<holvane::Billboard> BillboardNode() const = 0;
};

// A qrx_Legend under two Transforms, with a SeriesToggleInfo column.
//
// Tree, by IsBillboarded and UseSeriesToggle:
//   not billboarded: root -> [inner, toggles' root if shown];  billboard empty
//   billboarded:     root -> [billboard];  billboard -> [inner, toggles' root if shown]
// The inner Transform's only child is the qrx_Legend; it moves to x = toggle height x 1.1 while
// the check boxes are shown, so they stand at the legend's left. The graph places the root at
// every export (PlaceLegend).
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class LegendInfo : public ISceneRoot, public ILegendInfo {
public:
    // Builds the check-box column, then the nodes; the qrx_Legend's SourceFile is the proto
    // path + "HV_GRAPH.wrl". The column's Spacing starts at the legend's text gap, 0.5.
    LegendInfo();

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // The same root, typed, for placing the legend.
    const std::shared_ptr<holvane::Transform>& RootTransform() const { return root_; }
    // The Transform that holds the qrx_Legend.
    const std::shared_ptr<holvane::Transform>& InnerTransform() const { return inner_; }
    // The qrx_Legend node with the keys and texts.
    const std::shared_ptr<holvane::graph::qrx_Legend>& Legend() const { return legend_; }
    // The check-box column, owned by the legend.
    const std::shared_ptr<SeriesToggleInfo>& SeriesToggles() const { return toggles_; }

    // Key shape (keyStyle "BOX" or "SPHERE"); BOX_STYLE at first. Reads SPHERE_STYLE for
    // "SPHERE" and BOX_STYLE for anything else; a value outside the enumeration is ignored.
    LegendKeyStyle KeyStyle() const;
    void SetKeyStyle(LegendKeyStyle value);
    // Whether the legend turns to face the viewer; false at first. A change rebuilds the tree.
    bool IsBillboarded() const { return billboarded_; }
    void SetIsBillboarded(bool value);
    // Text height (textHeight); 1 at first. Setting h also sets the text gap to h x 0.35, the
    // column's Height to h and Spacing to that gap, and with the boxes shown moves the legend
    // to x = h x 1.1. Fails unless h > 0: "Invalid legend text height, must be greater than 0".
    float TextHeight() const;
    void SetTextHeight(float value);
    // Text colour, 0x00BBGGRR (textColor); white at first.
    std::int32_t TextColor() const;
    void SetTextColor(std::int32_t value);
    // Whether the check boxes are shown beside the legend; false at first. A change adds the
    // column last (or removes it) and moves the legend right of it (or back to x = 0).
    bool UseSeriesToggle() const { return useToggles_; }
    void SetUseSeriesToggle(bool value);

    void AddLegendEntry(std::shared_ptr<holvane::Appearance> newApp, std::string newText) override;
    void ClearLegend() override;

    // While one lives, AddLegendEntry appends and the column's layout waits; when it ends the
    // entries added meanwhile are put first, the latest first, and the column is laid out once:
    // the same legend as without it, for a cost linear in the number of entries. Graphs open one
    // around their legend step.
    class [[nodiscard]] EntryBatch {
    public:
        explicit EntryBatch(LegendInfo& legend);
        EntryBatch(const EntryBatch&) = delete;
        EntryBatch& operator=(const EntryBatch&) = delete;
        ~EntryBatch();

    private:
        LegendInfo& legend_;
        SeriesToggleInfo::DeferredLayout layout_;
    };
    std::shared_ptr<holvane::qrx_CheckBox> Get1CheckBox(std::int16_t index) const override;
    std::shared_ptr<holvane::Billboard> BillboardNode() const override { return billboard_; }

private:
    // The children of the node that holds inner and the column: the billboard's or the root's.
    std::shared_ptr<holvane::MFNode> HolderChildren() const;

    std::shared_ptr<SeriesToggleInfo> toggles_;
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Transform> inner_;
    std::shared_ptr<holvane::Billboard> billboard_;
    std::shared_ptr<holvane::graph::qrx_Legend> legend_;
    bool billboarded_ = false;
    bool useToggles_ = false;
    int batches_ = 0;             // open EntryBatch objects
    std::size_t batchStart_ = 0;  // entries before the outermost batch began
};

// Export step of every graph with a legend: places the legend's root beside the grid at
// x = Width x 1.1, y = Height x 0.1, keeping its z.
void PlaceLegend(const GridInfo& grid, LegendInfo& legend);

// Export step for one series (or slice) shown in the legend: AddLegendEntry(appearance, text);
// when the legend shows its check boxes, also names contentToggle toggleDEFName and routes the
// box just added ("value_changed") to the toggle ("set_contentsExist"). Box k thus switches the
// k-th item entered, whatever items were left out of the legend. Raises
// holvane::kInvalidArgument, changing nothing, when the toggle is needed and null.
void EnterInLegend(LegendInfo& legend, std::shared_ptr<holvane::Appearance> appearance, std::string text,
                   const std::shared_ptr<holvane::Node>& contentToggle, std::string toggleDEFName,
                   holvane::RouteCollection& routes);

}  // namespace atrium
ATRIUM_EXPORT_END
