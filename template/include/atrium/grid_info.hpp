#pragma once
// The graph's box: the chart grid that draws floor and walls, the extent every other part is
// placed by, and the cell counts the graphs keep their series in step with.
#include <cstdint>
#include <functional>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/chart_protos.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

namespace detail {
struct HandlerSlot;
struct HandlerList;
}  // namespace detail

// Keeps one event handler subscribed while it lives: destroying it, assigning over it or calling
// Reset unsubscribes. Safe in either order of destruction of the subscription and the source, so a
// graph that holds its subscriptions is never called once it is gone.
class [[nodiscard]] Subscription {
public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription();

    // Unsubscribes now; the handler is not called again, even by a raise already under way.
    void Reset();
    // True while the handler is subscribed and its source alive.
    bool Active() const;

private:
    friend class CellCountEvent;
    Subscription(std::weak_ptr<detail::HandlerList> list, std::shared_ptr<detail::HandlerSlot> slot);
    std::weak_ptr<detail::HandlerList> list_;
    std::shared_ptr<detail::HandlerSlot> slot_;
};

// A cell-count event: handlers receive the new count and run in the order they subscribed.
class CellCountEvent {
public:
    using Handler = std::function<void(std::int16_t newCount)>;

    CellCountEvent();
    CellCountEvent(const CellCountEvent&) = delete;
    CellCountEvent& operator=(const CellCountEvent&) = delete;

    // Subscribes handler until the returned subscription ends.
    Subscription Subscribe(Handler handler);
    // Calls every handler subscribed when the raise starts and still subscribed when its turn
    // comes; an exception from a handler stops the raise and reaches the caller.
    void Raise(std::int16_t newCount) const;
    // Raises newCount as Raise does; when a handler fails, runs undo (which puts the raiser's
    // state back), calls the handlers that had already taken newCount again with oldCount, the
    // latest first (their own errors are dropped), and rethrows the handler's error. A handler
    // that fails is expected to have changed nothing itself.
    void RaiseOrUndo(std::int16_t newCount, std::int16_t oldCount, const std::function<void()>& undo) const;

private:
    std::shared_ptr<detail::HandlerList> list_;
};

// The graph's box and its grid lines. Every property is read from and written to the fields of
// the qrx_ChartGrid node and its material; the part keeps no numbers of its own.
//
// Tree: RootNode is a Transform that is never moved; its only child is the qrx_ChartGrid, whose
// appearance holds a Material. A fresh grid is 1 x 1 x 1 with one cell per axis, black lines and
// white walls.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and leave every
// field unchanged (and raise no event).
class GridInfo : public ISceneRoot {
public:
    // Builds the subtree; the chart grid's SourceFile is the proto path + "HV_GRAPH.wrl".
    GridInfo();

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override;
    // The qrx_ChartGrid node, for parts and tests that read its fields.
    std::shared_ptr<holvane::graph::qrx_ChartGrid> ChartGrid() const { return grid_; }

    // Extent along x: xSpacing x (xDimension - 1); default 1. Setting keeps the cell count and
    // sets xSpacing = value / cells. Fails unless value > 0: "The graph must be wider than 0".
    float Width() const;
    void SetWidth(float value);
    // Extent along y; default 1. Fails unless value > 0: "The graph must be taller than 0".
    float Height() const;
    void SetHeight(float value);
    // Extent along z; default 1. Fails unless value > 0: "The graph must be deeper than 0".
    // An extent too small for the cell count (the spacing would round to 0) fails, for every
    // axis and also when setting the cell count: "The graph's depth (1e-45) is too small to
    // divide into 2 cells on the Z axis" ("width" / "X", "height" / "Y" for the others).
    float Depth() const;
    void SetDepth(float value);

    // Cells along x: xDimension - 1; default 1. Setting n keeps Width: xDimension = n + 1,
    // xSpacing = Width / n, then raises XCellCountChanged(n), also when n is the current count.
    // Fails when n < 1: "The graph must have at least one cell on the X axis". When a handler
    // of the event fails (a graph cannot make its new series), the call changes nothing: the
    // grid takes its old count back, the handlers that already ran get the old count, and the
    // handler's error reaches the caller.
    std::int16_t XAxisCellCount() const;
    void SetXAxisCellCount(std::int16_t value);
    // Cells along y; as XAxisCellCount with Height and YCellCountChanged.
    // Fails when n < 1: "The graph must have at least one cell on the Y axis".
    std::int16_t YAxisCellCount() const;
    void SetYAxisCellCount(std::int16_t value);
    // Cells along z; as XAxisCellCount with Depth and ZCellCountChanged.
    // Fails when n < 1: "The graph must have at least one cell on the Z axis".
    std::int16_t ZAxisCellCount() const;
    void SetZAxisCellCount(std::int16_t value);

    // Grid line colour, 0x00BBGGRR (the chart grid's lineColor); default 0 (black).
    std::int32_t LineColor() const;
    void SetLineColor(std::int32_t value);
    // Wall colour, 0x00BBGGRR (the material's diffuseColor); default 0xFFFFFF (white).
    std::int32_t WallColor() const;
    void SetWallColor(std::int32_t value);
    // Wall transparency (the material's transparency); default 0. Fails outside 0..1 (both ends
    // accepted): "Transparency must be in the range [0..1]".
    float Transparency() const;
    void SetTransparency(float value);

    // Subscribes to XCellCountChanged, raised after the fields change by every SetXAxisCellCount.
    Subscription OnXCellCountChanged(CellCountEvent::Handler handler);
    // Subscribes to YCellCountChanged, raised by every SetYAxisCellCount.
    Subscription OnYCellCountChanged(CellCountEvent::Handler handler);
    // Subscribes to ZCellCountChanged, raised by every SetZAxisCellCount.
    Subscription OnZCellCountChanged(CellCountEvent::Handler handler);

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::graph::qrx_ChartGrid> grid_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    CellCountEvent xCellCountChanged_;
    CellCountEvent yCellCountChanged_;
    CellCountEvent zCellCountChanged_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
