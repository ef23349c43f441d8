#include "atrium/grid_info.hpp"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "atrium/proto_path.hpp"
#include "float_text.hpp"
#include "holvane/error.hpp"

namespace atrium {

namespace detail {

struct HandlerSlot {
    CellCountEvent::Handler handler;
    bool subscribed = true;
};

struct HandlerList {
    std::vector<std::shared_ptr<HandlerSlot>> slots;
};

}  // namespace detail

// ---- Subscription ----------------------------------------------------------------------------

Subscription::Subscription(std::weak_ptr<detail::HandlerList> list, std::shared_ptr<detail::HandlerSlot> slot)
    : list_(std::move(list)), slot_(std::move(slot)) {}

Subscription::Subscription(Subscription&& other) noexcept
    : list_(std::move(other.list_)), slot_(std::move(other.slot_)) {
    other.list_.reset();
}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Reset();
        list_ = std::move(other.list_);
        slot_ = std::move(other.slot_);
        other.list_.reset();
    }
    return *this;
}

Subscription::~Subscription() { Reset(); }

void Subscription::Reset() {
    if (slot_) {
        slot_->subscribed = false;
        if (auto list = list_.lock()) std::erase(list->slots, slot_);
    }
    slot_.reset();
    list_.reset();
}

bool Subscription::Active() const { return slot_ && slot_->subscribed && !list_.expired(); }

// ---- CellCountEvent --------------------------------------------------------------------------

CellCountEvent::CellCountEvent() : list_(std::make_shared<detail::HandlerList>()) {}

Subscription CellCountEvent::Subscribe(Handler handler) {
    auto slot = std::make_shared<detail::HandlerSlot>();
    slot->handler = std::move(handler);
    list_->slots.push_back(slot);
    return Subscription(list_, std::move(slot));
}

void CellCountEvent::Raise(std::int16_t newCount) const {
    // A handler may subscribe or unsubscribe others: walk a snapshot, skipping the ended ones.
    const auto snapshot = list_->slots;
    for (const auto& slot : snapshot)
        if (slot->subscribed && slot->handler) slot->handler(newCount);
}

void CellCountEvent::RaiseOrUndo(std::int16_t newCount, std::int16_t oldCount,
                                 const std::function<void()>& undo) const {
    const auto snapshot = list_->slots;
    std::vector<std::shared_ptr<detail::HandlerSlot>> done;
    try {
        for (const auto& slot : snapshot) {
            if (!slot->subscribed || !slot->handler) continue;
            slot->handler(newCount);
            done.push_back(slot);
        }
    } catch (...) {
        undo();
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            try {
                if ((*it)->subscribed) (*it)->handler(oldCount);
            } catch (...) {  // the first error is the one the caller gets
            }
        }
        throw;
    }
}

// ---- GridInfo --------------------------------------------------------------------------------

namespace {

// One axis of the chart grid: its dimension and spacing fields, and how messages name it.
struct Axis {
    std::shared_ptr<holvane::SFInt32> dimension;
    std::shared_ptr<holvane::SFFloat> spacing;
    const char* extentName;  // "width", "height", "depth"
    const char* letter;      // "X", "Y", "Z"
};

Axis XAxisOf(const holvane::graph::qrx_ChartGrid& grid) {
    return {grid.XDimensionField(), grid.XSpacingField(), "width", "X"};
}
Axis YAxisOf(const holvane::graph::qrx_ChartGrid& grid) {
    return {grid.YDimensionField(), grid.YSpacingField(), "height", "Y"};
}
Axis ZAxisOf(const holvane::graph::qrx_ChartGrid& grid) {
    return {grid.ZDimensionField(), grid.ZSpacingField(), "depth", "Z"};
}

// The spacing that divides extent into cells. An extent too small for that many cells (the
// spacing would round to 0 and the grid lose its extent) is refused.
float CellSpacing(const Axis& axis, double extent, double cells) {
    const auto spacing = static_cast<float>(extent / cells);
    if (!(spacing > 0.0f))
        holvane::Fail(std::string("The graph's ") + axis.extentName + " (" + FloatText(static_cast<float>(extent)) +
                      ") is too small to divide into " + std::to_string(static_cast<std::int64_t>(cells)) +
                      " cells on the " + axis.letter + " axis");
    return spacing;
}

float Extent(const Axis& axis) {
    const double cells = static_cast<double>(axis.dimension->Value()) - 1.0;
    return static_cast<float>(static_cast<double>(axis.spacing->Value()) * cells);
}

void SetExtent(const Axis& axis, float value, const char* message) {
    if (!(value > 0.0f)) holvane::Fail(message);
    const double cells = static_cast<double>(axis.dimension->Value()) - 1.0;
    axis.spacing->SetValue(CellSpacing(axis, value, cells));
}

std::int16_t CellCount(const Axis& axis) {
    const std::int64_t cells = static_cast<std::int64_t>(axis.dimension->Value()) - 1;
    if (cells < std::numeric_limits<std::int16_t>::min() || cells > std::numeric_limits<std::int16_t>::max())
        throw holvane::Error(holvane::kOverflow, "Overflow: the grid's cell count " + std::to_string(cells) +
                                                     " does not fit a 16-bit integer");
    return static_cast<std::int16_t>(cells);
}

void SetCellCount(const Axis& axis, std::int16_t value, const char* message, const CellCountEvent& event) {
    if (value < 1) holvane::Fail(message);
    const float extent = Extent(axis);
    const std::int32_t oldDimension = axis.dimension->Value();
    const float oldSpacing = axis.spacing->Value();
    const auto oldCount = static_cast<std::int16_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(oldDimension) - 1, 1, std::numeric_limits<std::int16_t>::max()));
    const float spacing = CellSpacing(axis, extent, value);
    axis.dimension->SetValue(static_cast<std::int32_t>(value) + 1);
    axis.spacing->SetValue(spacing);
    event.RaiseOrUndo(value, oldCount, [&] {
        axis.dimension->SetValue(oldDimension);
        axis.spacing->SetValue(oldSpacing);
    });
}

constexpr const char* kWidthMessage = "The graph must be wider than 0";
constexpr const char* kHeightMessage = "The graph must be taller than 0";
constexpr const char* kDepthMessage = "The graph must be deeper than 0";
constexpr const char* kXCellsMessage = "The graph must have at least one cell on the X axis";
constexpr const char* kYCellsMessage = "The graph must have at least one cell on the Y axis";
constexpr const char* kZCellsMessage = "The graph must have at least one cell on the Z axis";

}  // namespace

GridInfo::GridInfo()
    : root_(MakeGraphNode<holvane::Transform>()),
      grid_(MakeGraphNode<holvane::graph::qrx_ChartGrid>()),
      appearance_(MakeGraphNode<holvane::Appearance>()),
      material_(MakeGraphNode<holvane::Material>()) {
    root_->ChildrenField()->Add(grid_);
    grid_->AppearanceField()->SetValue(appearance_);
    appearance_->MaterialField()->SetValue(material_);
    grid_->LineColorField()->SetRGBValue(0);
    material_->DiffuseColorField()->SetRGBValue(0xFFFFFF);
}

std::shared_ptr<holvane::Node> GridInfo::RootNode() const { return root_; }

float GridInfo::Width() const { return Extent(XAxisOf(*grid_)); }
void GridInfo::SetWidth(float value) {
    SetExtent(XAxisOf(*grid_), value, kWidthMessage);
}
float GridInfo::Height() const { return Extent(YAxisOf(*grid_)); }
void GridInfo::SetHeight(float value) {
    SetExtent(YAxisOf(*grid_), value, kHeightMessage);
}
float GridInfo::Depth() const { return Extent(ZAxisOf(*grid_)); }
void GridInfo::SetDepth(float value) {
    SetExtent(ZAxisOf(*grid_), value, kDepthMessage);
}

std::int16_t GridInfo::XAxisCellCount() const { return CellCount(XAxisOf(*grid_)); }
void GridInfo::SetXAxisCellCount(std::int16_t value) {
    SetCellCount(XAxisOf(*grid_), value, kXCellsMessage, xCellCountChanged_);
}
std::int16_t GridInfo::YAxisCellCount() const { return CellCount(YAxisOf(*grid_)); }
void GridInfo::SetYAxisCellCount(std::int16_t value) {
    SetCellCount(YAxisOf(*grid_), value, kYCellsMessage, yCellCountChanged_);
}
std::int16_t GridInfo::ZAxisCellCount() const { return CellCount(ZAxisOf(*grid_)); }
void GridInfo::SetZAxisCellCount(std::int16_t value) {
    SetCellCount(ZAxisOf(*grid_), value, kZCellsMessage, zCellCountChanged_);
}

std::int32_t GridInfo::LineColor() const { return grid_->LineColorField()->RGBValue(); }
void GridInfo::SetLineColor(std::int32_t value) { grid_->LineColorField()->SetRGBValue(value); }
std::int32_t GridInfo::WallColor() const { return material_->DiffuseColorField()->RGBValue(); }
void GridInfo::SetWallColor(std::int32_t value) { material_->DiffuseColorField()->SetRGBValue(value); }
float GridInfo::Transparency() const { return material_->TransparencyField()->Value(); }
void GridInfo::SetTransparency(float value) {
    if (!(value >= 0.0f && value <= 1.0f)) holvane::Fail("Transparency must be in the range [0..1]");
    material_->TransparencyField()->SetValue(value);
}

Subscription GridInfo::OnXCellCountChanged(CellCountEvent::Handler handler) {
    return xCellCountChanged_.Subscribe(std::move(handler));
}
Subscription GridInfo::OnYCellCountChanged(CellCountEvent::Handler handler) {
    return yCellCountChanged_.Subscribe(std::move(handler));
}
Subscription GridInfo::OnZCellCountChanged(CellCountEvent::Handler handler) {
    return zCellCountChanged_.Subscribe(std::move(handler));
}

}  // namespace atrium
