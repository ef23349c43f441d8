#pragma once
// The value pop-ups of one data series: a strip of touchable markers along the series, one per
// X cell, each showing its text while the pointer is over it.
#include <cstdint>
#include <memory>

#include "atrium/enums.hpp"
#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/collection_protos.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The strip geometry that the series classes and graphs drive.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class ISeriesPopupInfo {
public:
    virtual ~ISeriesPopupInfo() = default;
    // Number of markers (the strip's xDimension); default 2.
    // Fails when below 1: "Invalid count, must be greater than 0".
    virtual std::int16_t Count() const = 0;
    virtual void SetCount(std::int16_t value) = 0;
    // Marker radius (radius); default 0.5. Fails unless > 0: "Invalid radius, must be greater than 0".
    virtual float radius() const = 0;
    virtual void SetRadius(float value) = 0;
    // Marker depth (depth); default 0. Fails unless > 0: "Invalid depth, must be greater than 0".
    virtual float Depth() const = 0;
    virtual void SetDepth(float value) = 0;
    // The live marker heights (height), one per marker; the graph copies the series' values in.
    virtual std::shared_ptr<holvane::MFFloat> Height() const = 0;
    // Distance between markers (xSpacing); default 1.
    // Fails unless > 0: "Invalid spacing, must be greater than 0".
    virtual float Spacing() const = 0;
    virtual void SetSpacing(float value) = 0;
};

// One series' pop-ups: a qrx_PopupStrip (white, fully transparent markers) held by the root
// Transform while UsePopups is on. Off at first, so a new part adds an empty Transform.
class SeriesPopupInfo : public ISceneRoot, public ISeriesPopupInfo {
public:
    // Builds the root and the strip; the strip's SourceFile is the proto path + "HV_GRAPH.wrl".
    SeriesPopupInfo();

    // The popup root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // The qrx_PopupStrip, whether shown or not.
    std::shared_ptr<holvane::graph::qrx_PopupStrip> Strip() const { return strip_; }

    // The live pop-up texts (popupText); the application appends one text per X cell.
    std::shared_ptr<holvane::MFString> PopupText() const;
    // Where a pop-up stands beside its marker (allignment); VRML_TOP at first. Reads VRML_LEFT
    // for a string it does not know; a value outside the enumeration is ignored on set.
    VRMLPopupAlignment Alignment() const;
    void SetAlignment(VRMLPopupAlignment value);
    // Text colour, 0x00BBGGRR (textColor); white at first.
    std::int32_t TextColor() const;
    void SetTextColor(std::int32_t value);
    // Pop-up background colour, 0x00BBGGRR (backgroundColor); black at first.
    std::int32_t BackgroundColor() const;
    void SetBackgroundColor(std::int32_t value);
    // Pop-up border colour, 0x00BBGGRR (borderColor); white at first.
    std::int32_t BorderColor() const;
    void SetBorderColor(std::int32_t value);
    // Pop-up text height (popupHeight); 1 at first.
    // Fails unless > 0: "Invalid popup height, must be greater than 0".
    float TextHeight() const;
    void SetTextHeight(float value);
    // Whether the strip is in the scene; false at first. Only a change of value acts.
    bool UsePopups() const { return usePopups_; }
    void SetUsePopups(bool value);

    std::int16_t Count() const override;
    void SetCount(std::int16_t value) override;
    float radius() const override;
    void SetRadius(float value) override;
    float Depth() const override;
    void SetDepth(float value) override;
    std::shared_ptr<holvane::MFFloat> Height() const override;
    float Spacing() const override;
    void SetSpacing(float value) override;

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::graph::qrx_PopupStrip> strip_;
    bool usePopups_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
