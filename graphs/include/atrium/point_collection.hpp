#pragma once
// One point frame of the scatter graph: a snapshot of all its points.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/collection_protos.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The points of one frame, drawn as spheres by one qrx_SphereCollection under a Group. Point k
// is entry k of the proto's four parallel lists locations, colors, transparencies and radii.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class PointCollection final : public ISceneRoot {
public:
    // The most points a frame holds: positions are 16-bit.
    static constexpr std::int16_t kMaxPoints = 32767;

    // The Group and its sphere collection (SourceFile = proto path + "HV_GRAPH.wrl"), no points.
    PointCollection();
    PointCollection(const PointCollection&) = delete;
    PointCollection& operator=(const PointCollection&) = delete;

    // The Group; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // The qrx_SphereCollection holding the lists.
    const std::shared_ptr<holvane::graph::qrx_SphereCollection>& SphereCollectionNode() const { return spheres_; }

    // Appends a point; color is 0x00BBGGRR. Checks the radius first ("Invalid radius, must be
    // greater than or equal to 0"), then the transparency ("Invalid transparency, must be in
    // the range [0..1]"); a frame already holding kMaxPoints raises holvane::kOverflow.
    void AddPoint(float x, float y, float z, float radius, std::int32_t color, float transparency);
    // Removes point index (1..Count) from all four lists; a bad index raises the multi-valued
    // field's error and changes nothing.
    void RemovePoint(std::int16_t index);
    // Reads point index (1..Count); a bad index raises the field's error and leaves every output
    // as it was.
    void Get1Point(std::int16_t index, float& x, float& y, float& z, float& radius, std::int32_t& color,
                   float& transparency) const;
    // Empties all four lists.
    void ClearPoints();
    // The number of locations.
    std::int16_t Count() const { return spheres_->LocationsField()->Count(); }

    // The frame's label on the frame slider; empty by default.
    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }

private:
    std::shared_ptr<holvane::Group> root_;
    std::shared_ptr<holvane::graph::qrx_SphereCollection> spheres_;
    std::string description_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
