#include "atrium/axis_layout.hpp"

#include <limits>
#include <memory>
#include <string>

#include "holvane/error.hpp"

namespace atrium {

namespace {

// Every axis root is a Transform; the graph moves and turns it.
holvane::Transform& RootOf(const AxisBase& axis) { return static_cast<holvane::Transform&>(*axis.RootNode()); }

float CellSize(float extent, std::int16_t cells) { return extent / static_cast<float>(cells); }

// factor x value in double precision, rounded once to single.
float Scaled(double factor, float value) { return static_cast<float>(factor * value); }

}  // namespace

void LayOutXAxis(const GridInfo& grid, DiscreteAxis& axis) {
    const std::int16_t cells = grid.XAxisCellCount();
    const float c = CellSize(grid.Width(), cells);
    axis.SetLabelCount(cells);
    axis.SetAlignment(LabelAlignment::RIGHT_ALIGN);
    axis.SetLabelTextGap(c);
    auto& root = RootOf(axis);
    root.TranslationField()->SetX(static_cast<float>(c / 2.0 - axis.LabelHeight() / 2.0));
    root.TranslationField()->SetZ(Scaled(1.02, grid.Depth()));
    root.RotationField()->SetEulerValues(-1.5708f, 1.5708f, 0.0f);
    axis.AlignHeader();
}

void LayOutYAxis(const GridInfo& grid, ContinuousAxis& axis) {
    const std::int16_t cells = grid.YAxisCellCount();
    if (cells == std::numeric_limits<std::int16_t>::max())
        throw holvane::Error(holvane::kOverflow, "Overflow: a Y axis of " + std::to_string(cells) +
                                                     " cells needs more labels than a 16-bit count holds");
    const float c = CellSize(grid.Height(), cells);
    axis.SetCount(static_cast<std::int16_t>(cells + 1));
    axis.SetAlignment(LabelAlignment::RIGHT_ALIGN);
    axis.SetOrder(LabelingOrder::MAX_TO_MIN);
    axis.SetLabelTextGap(c);
    auto& root = RootOf(axis);
    root.TranslationField()->SetX(Scaled(-0.02, grid.Width()));
    root.TranslationField()->SetY(static_cast<float>(static_cast<double>(grid.Height()) + axis.LabelHeight() / 2.0));
    root.TranslationField()->SetZ(Scaled(1.02, grid.Depth()));
    root.RotationField()->SetEulerValues(0.0f, 0.7854f, 0.0f);
    axis.AlignHeader();
}

void LayOutZAxis(const GridInfo& grid, DiscreteAxis& axis) {
    const std::int16_t cells = grid.ZAxisCellCount();
    const float c = CellSize(grid.Depth(), cells);
    axis.SetLabelCount(cells);
    axis.SetAlignment(LabelAlignment::LEFT_ALIGN);
    axis.SetLabelTextGap(c);
    auto& root = RootOf(axis);
    root.TranslationField()->SetX(Scaled(1.02, grid.Width()));
    root.TranslationField()->SetZ(static_cast<float>(c / 2.0 - axis.LabelHeight() / 2.0));
    root.RotationField()->SetEulerValues(-1.5708f, 0.0f, 0.0f);
    axis.AlignHeader();
}

void LayOutAxes(const GridInfo& grid, DiscreteAxis& xAxis, ContinuousAxis& yAxis, DiscreteAxis& zAxis) {
    LayOutXAxis(grid, xAxis);
    LayOutYAxis(grid, yAxis);
    LayOutZAxis(grid, zAxis);
}

}  // namespace atrium
