#pragma once
// Axis labels along one edge of a graph's grid: what both axis kinds share (a label block, a
// header block, their text properties, showing and hiding), and the axis of free-text labels.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "atrium/enums.hpp"
#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The estimated width of one label line at text size `size`, used to set the header beside the
// labels: characters x 0.4444 x size; when the text holds a ".", (characters - 1) x 0.4444 x
// size + 0.2112 (the 0.2112 is not scaled). Characters are UTF-8 code points.
float EstimateTextWidth(std::string_view text, float size);

// The label block and the header block of an axis, and the properties both axis kinds offer.
//
// Tree: RootNode is a Transform (the graph moves and turns it) whose children, while the axis
// is shown, are the label block Transform and then the header block Transform. Each block holds
// one Shape whose geometry is a Text with a FontStyle and whose Appearance has a Material. All
// labels are one Text, one string per line; the lines stand one label text gap apart.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class AxisBase : public ISceneRoot {
public:
    AxisBase(const AxisBase&) = delete;
    AxisBase& operator=(const AxisBase&) = delete;

    // The axis root Transform; the same node on every call, empty while the axis is hidden.
    std::shared_ptr<holvane::Node> RootNode() const override;

    // The header (axis title): the header Text's first string, "" when it has none. Setting
    // replaces that string (or adds it); only a value that is not blank after trimming spaces
    // counts as a header that AlignHeader places.
    std::string Header() const;
    void SetHeader(const std::string& value);

    // Label colour, 0x00BBGGRR; default 0xFFFFFF (white).
    std::int32_t LabelColor() const;
    void SetLabelColor(std::int32_t value);
    // Label font family; default VRML_SERIF. Reads 0 for a family it does not know; setting an
    // unknown value is ignored.
    VRMLFontFamily LabelFont() const;
    void SetLabelFont(VRMLFontFamily value);
    // Label font style; default VRML_PLAIN. Unknown values: as LabelFont.
    VRMLFontStyle LabelStyle() const;
    void SetLabelStyle(VRMLFontStyle value);
    // Label text size (FontStyle size); default 1. Setting recomputes the line spacing.
    // Fails unless value > 0: "Invalid label height, must be greater than 0".
    float LabelHeight() const;
    void SetLabelHeight(float value);

    // Header colour, 0x00BBGGRR; default 0xFFFFFF (white).
    std::int32_t HeaderColor() const;
    void SetHeaderColor(std::int32_t value);
    // Header font family; default VRML_SERIF. Unknown values: as LabelFont.
    VRMLFontFamily HeaderFont() const;
    void SetHeaderFont(VRMLFontFamily value);
    // Header font style; default VRML_PLAIN. Unknown values: as LabelFont.
    VRMLFontStyle HeaderStyle() const;
    void SetHeaderStyle(VRMLFontStyle value);
    // Header text size; default 1.
    // Fails unless value > 0: "Invalid Header height, must be greater than 0".
    float HeaderHeight() const;
    void SetHeaderHeight(float value);

    // Whether the two blocks hang under the root; default true. Setting the current value does
    // nothing; showing again restores the label block, then the header block.
    bool ShowAxis() const;
    void SetShowAxis(bool value);

protected:
    AxisBase();
    ~AxisBase() override = default;

    // The label Text's string field, one string per line.
    std::shared_ptr<holvane::MFString> LabelField() const;

    // The shared parts of IDiscreteAxis and IContinuousAxis (see there).
    LabelAlignment GetAlignment() const;
    void PutAlignment(LabelAlignment value);
    float GetLabelTextGap() const { return gap_; }
    void PutLabelTextGap(float value);
    void PlaceHeader();

private:
    // One Transform > Shape > (Text > FontStyle, Appearance > Material) chain.
    struct Block {
        std::shared_ptr<holvane::Transform> transform;
        std::shared_ptr<holvane::Shape> shape;
        std::shared_ptr<holvane::Text> text;
        std::shared_ptr<holvane::FontStyle> fontStyle;
        std::shared_ptr<holvane::Appearance> appearance;
        std::shared_ptr<holvane::Material> material;
    };
    static Block MakeBlock();
    void UpdateLineSpacing();

    Block label_;
    Block header_;
    std::shared_ptr<holvane::Transform> root_;
    bool hasHeader_ = false;
    float gap_ = 0.1f;
    bool shown_ = false;
};

// What a graph sets on a discrete axis to fit it to its grid.
class IDiscreteAxis {
public:
    virtual ~IDiscreteAxis() = default;
    // Label justification: LEFT_ALIGN ("BEGIN", the default) or RIGHT_ALIGN ("END"); other
    // values are ignored.
    virtual LabelAlignment Alignment() const = 0;
    virtual void SetAlignment(LabelAlignment value) = 0;
    // Distance between label lines in scene units; default 0.1. Setting recomputes the line
    // spacing. Fails unless value > 0: "Invalid label text gap, must be greater than 0".
    virtual float LabelTextGap() const = 0;
    virtual void SetLabelTextGap(float value) = 0;
    // Centres the header on the label column and turns it to run beside it; does nothing
    // while the header is blank.
    virtual void AlignHeader() = 0;
    // The number of labels. Setting n cuts the list to its first n labels; it never adds any.
    // A negative n names no list position: holvane::kIndexOutOfRange, nothing changes.
    virtual std::int16_t LabelCount() const = 0;
    virtual void SetLabelCount(std::int16_t value) = 0;
};

// An axis whose labels are strings supplied by the host (categories, series names).
class DiscreteAxis final : public AxisBase, public IDiscreteAxis {
public:
    // Builds both blocks through the core factory: white SERIF text, labels justified "BEGIN",
    // header "MIDDLE", no labels, no header, label text gap 0.1; shown.
    DiscreteAxis();

    // The live list of label strings (the label Text's string field), first line first.
    std::shared_ptr<holvane::MFString> Labels() const;

    LabelAlignment Alignment() const override { return GetAlignment(); }
    void SetAlignment(LabelAlignment value) override { PutAlignment(value); }
    float LabelTextGap() const override { return GetLabelTextGap(); }
    void SetLabelTextGap(float value) override { PutLabelTextGap(value); }
    void AlignHeader() override { PlaceHeader(); }
    std::int16_t LabelCount() const override;
    void SetLabelCount(std::int16_t value) override;
};

}  // namespace atrium
ATRIUM_EXPORT_END
