#pragma once
// The column of series check boxes that the legend shows beside its entries; graphs route each
// box to the content toggle of its series so the viewer can hide and show series.
#include <cstdint>
#include <memory>
#include <vector>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A vertical column of qrx_CheckBox nodes, numbered 1 to Count from the top down.
//
// Tree: RootNode is a Transform whose children are one holder Transform per box; holder i has
// box i as its only child and stands at y = (Count - i) x (Height + Spacing), so the first box
// is at the top and the last at y = 0. Box i is named "CHECK_BOX_" + i and starts ticked.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class SeriesToggleInfo : public ISceneRoot {
public:
    // An empty column: Count 0, Height 1, Spacing 0.5.
    SeriesToggleInfo();

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }

    // Check box number index (1 to Count). Fails otherwise: "Invalid index into the list of check boxes".
    std::shared_ptr<holvane::qrx_CheckBox> Get1CheckBox(std::int16_t index) const;
    // Appends a ticked box of size Height, named "CHECK_BOX_" + its number, and re-lays out the
    // column. Raises holvane::kOverflow, changing nothing, when Count is already 32767.
    void AddCheckBox();
    // The vertical gap between boxes; default 0.5. Re-lays out the column.
    // Fails unless value > 0: "Invalid spacing, must be greater than 0".
    float Spacing() const { return spacing_; }
    void SetSpacing(float value);
    // The size of every box; default 1. Resizes every box and re-lays out the column.
    // Fails unless value > 0: "Invalid height, must be greater than 0".
    float Height() const { return height_; }
    void SetHeight(float value);
    // Removes every box; the next box added is "CHECK_BOX_1" again.
    void ClearCheckBoxes();
    // The number of boxes.
    std::int16_t Count() const { return static_cast<std::int16_t>(boxes_.size()); }

    // While one lives, adding boxes leaves the holders where they are; the last one to end lays
    // the column out once. Adding n boxes then costs time linear in n instead of quadratic.
    class [[nodiscard]] DeferredLayout {
    public:
        explicit DeferredLayout(SeriesToggleInfo& column) : column_(column) { ++column_.deferred_; }
        DeferredLayout(const DeferredLayout&) = delete;
        DeferredLayout& operator=(const DeferredLayout&) = delete;
        ~DeferredLayout() {
            if (--column_.deferred_ == 0) column_.LayOut();
        }

    private:
        SeriesToggleInfo& column_;
    };

private:
    void LayOut();

    std::shared_ptr<holvane::Transform> root_;
    std::vector<std::shared_ptr<holvane::qrx_CheckBox>> boxes_;
    std::vector<std::shared_ptr<holvane::Transform>> holders_;
    float height_ = 1.0f;
    float spacing_ = 0.5f;
    int deferred_ = 0;
};

}  // namespace atrium
ATRIUM_EXPORT_END
