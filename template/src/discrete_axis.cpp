#include "atrium/discrete_axis.hpp"

#include <algorithm>
#include <cstddef>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;

// The first string of a list, or "" when it is empty.
std::string FirstString(const holvane::MFString& list) { return list.size() == 0 ? std::string() : list.Values().front(); }

// Replaces the first string of a list, or appends it when the list is empty.
void SetFirstString(holvane::MFString& list, std::string value) {
    if (list.size() == 0)
        list.Add(std::move(value));
    else
        list.Values().front() = std::move(value);
}

// Makes the list hold exactly the one string.
void SetOnlyString(holvane::MFString& list, std::string value) {
    list.Clear();
    list.Add(std::move(value));
}

bool IsBlank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

float EstimateTextWidth(std::string_view text, float size) {
    // Count code points: every byte that is not a UTF-8 continuation byte starts one.
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++characters;
    const double h = size;
    if (text.find('.') == std::string_view::npos)
        return static_cast<float>(static_cast<double>(characters) * 0.4444 * h);
    return static_cast<float>((static_cast<double>(characters) - 1.0) * 0.4444 * h + 0.2112);
}

// ---- AxisBase ----------------------------------------------------------------------------------

AxisBase::Block AxisBase::MakeBlock() {
    Block b{MakeCoreNode<holvane::Transform>(), MakeCoreNode<holvane::Shape>(),      MakeCoreNode<holvane::Text>(),
            MakeCoreNode<holvane::FontStyle>(), MakeCoreNode<holvane::Appearance>(), MakeCoreNode<holvane::Material>()};
    b.transform->ChildrenField()->Add(b.shape);
    b.shape->GeometryField()->SetValue(b.text);
    b.text->FontStyleField()->SetValue(b.fontStyle);
    b.shape->AppearanceField()->SetValue(b.appearance);
    b.appearance->MaterialField()->SetValue(b.material);
    b.material->DiffuseColorField()->SetRGBValue(kWhite);
    // The FontStyle starts with the VRML defaults ["SERIF"] and ["BEGIN"]; each axis list must
    // hold exactly one string, so the lists are set rather than appended to.
    SetOnlyString(*b.fontStyle->FamilyField(), "SERIF");
    return b;
}

AxisBase::AxisBase() : label_(MakeBlock()), header_(MakeBlock()), root_(MakeCoreNode<holvane::Transform>()) {
    // Labels hang from the top of their first line (minor alignment "BEGIN"), so the layout's
    // offsets of half a label height centre each line on its cell or grid line; the first
    // string is the label alignment.
    auto& labelJustify = *label_.fontStyle->JustifyField();
    labelJustify.Values() = {"BEGIN", "BEGIN"};
    SetOnlyString(*header_.fontStyle->JustifyField(), "MIDDLE");
    SetShowAxis(true);
}

std::shared_ptr<holvane::Node> AxisBase::RootNode() const { return root_; }

std::shared_ptr<holvane::MFString> AxisBase::LabelField() const { return label_.text->StringField(); }

std::string AxisBase::Header() const { return FirstString(*header_.text->StringField()); }

void AxisBase::SetHeader(const std::string& value) {
    SetFirstString(*header_.text->StringField(), value);
    hasHeader_ = !IsBlank(value);
}

std::int32_t AxisBase::LabelColor() const { return label_.material->DiffuseColorField()->RGBValue(); }
void AxisBase::SetLabelColor(std::int32_t value) { label_.material->DiffuseColorField()->SetRGBValue(value); }

VRMLFontFamily AxisBase::LabelFont() const {
    return FromVRMLString<VRMLFontFamily>(FirstString(*label_.fontStyle->FamilyField()));
}
void AxisBase::SetLabelFont(VRMLFontFamily value) {
    if (IsValid(value)) SetFirstString(*label_.fontStyle->FamilyField(), std::string(VRMLString(value)));
}

VRMLFontStyle AxisBase::LabelStyle() const { return FromVRMLString<VRMLFontStyle>(label_.fontStyle->StyleField()->Value()); }
void AxisBase::SetLabelStyle(VRMLFontStyle value) {
    if (IsValid(value)) label_.fontStyle->StyleField()->SetValue(std::string(VRMLString(value)));
}

float AxisBase::LabelHeight() const { return label_.fontStyle->SizeField()->Value(); }
void AxisBase::SetLabelHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid label height, must be greater than 0");
    label_.fontStyle->SizeField()->SetValue(value);
    UpdateLineSpacing();
}

std::int32_t AxisBase::HeaderColor() const { return header_.material->DiffuseColorField()->RGBValue(); }
void AxisBase::SetHeaderColor(std::int32_t value) { header_.material->DiffuseColorField()->SetRGBValue(value); }

VRMLFontFamily AxisBase::HeaderFont() const {
    return FromVRMLString<VRMLFontFamily>(FirstString(*header_.fontStyle->FamilyField()));
}
void AxisBase::SetHeaderFont(VRMLFontFamily value) {
    if (IsValid(value)) SetFirstString(*header_.fontStyle->FamilyField(), std::string(VRMLString(value)));
}

VRMLFontStyle AxisBase::HeaderStyle() const {
    return FromVRMLString<VRMLFontStyle>(header_.fontStyle->StyleField()->Value());
}
void AxisBase::SetHeaderStyle(VRMLFontStyle value) {
    if (IsValid(value)) header_.fontStyle->StyleField()->SetValue(std::string(VRMLString(value)));
}

float AxisBase::HeaderHeight() const { return header_.fontStyle->SizeField()->Value(); }
void AxisBase::SetHeaderHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid Header height, must be greater than 0");
    header_.fontStyle->SizeField()->SetValue(value);
}

bool AxisBase::ShowAxis() const { return shown_; }

void AxisBase::SetShowAxis(bool value) {
    if (value == shown_) return;
    auto& children = *root_->ChildrenField();
    children.Clear();
    if (value) {
        children.Add(label_.transform);
        children.Add(header_.transform);
    }
    shown_ = value;
}

LabelAlignment AxisBase::GetAlignment() const {
    return FromVRMLString<LabelAlignment>(FirstString(*label_.fontStyle->JustifyField()));
}

void AxisBase::PutAlignment(LabelAlignment value) {
    if (IsValid(value)) SetFirstString(*label_.fontStyle->JustifyField(), std::string(VRMLString(value)));
}

void AxisBase::PutLabelTextGap(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid label text gap, must be greater than 0");
    gap_ = value;
    UpdateLineSpacing();
}

void AxisBase::UpdateLineSpacing() {
    // VRML advances lines by spacing x size, so the lines stand exactly one gap apart.
    label_.fontStyle->SpacingField()->SetValue(gap_ / label_.fontStyle->SizeField()->Value());
}

void AxisBase::PlaceHeader() {
    if (!hasHeader_) return;
    auto& justify = *header_.fontStyle->JustifyField();
    justify.Clear();
    justify.Add("MIDDLE");
    justify.Add("BEGIN");

    const double spacing = label_.fontStyle->SpacingField()->Value();
    const float size = label_.fontStyle->SizeField()->Value();
    const auto& labels = LabelField()->Values();
    const double lines = static_cast<double>(labels.size());
    auto& translation = *header_.transform->TranslationField();
    // The middle of the label column: the first baseline at 0, the last (n - 1) lines lower.
    translation.SetY(static_cast<float>(-(spacing * size * (lines - 1.0)) / 2.0));

    float widest = 0.0f;
    for (const auto& s : labels) widest = std::max(widest, EstimateTextWidth(s, size));

    auto& rotation = *header_.transform->RotationField();
    const double offset = 1.1 * widest;
    if (FirstString(*label_.fontStyle->JustifyField()) == "BEGIN") {
        // Labels run from the origin towards +x: the header stands to their right.
        translation.SetX(static_cast<float>(offset));
        rotation.SetValues(0.0f, 0.0f, 1.0f, 1.5708f);
    } else {
        translation.SetX(static_cast<float>(-offset));
        rotation.SetValues(0.0f, 0.0f, 1.0f, -1.5708f);
    }
}

// ---- DiscreteAxis ------------------------------------------------------------------------------

DiscreteAxis::DiscreteAxis() = default;

std::shared_ptr<holvane::MFString> DiscreteAxis::Labels() const { return LabelField(); }

std::int16_t DiscreteAxis::LabelCount() const { return LabelField()->Count(); }

void DiscreteAxis::SetLabelCount(std::int16_t value) {
    auto& labels = *LabelField();
    // Removing position n + 1 while more than n remain cuts the list to its first n strings.
    // A negative n names no position: the list raises its index error and nothing changes.
    if (value < 0) return labels.Remove(value + 1);
    if (labels.size() > static_cast<std::size_t>(value)) labels.Values().resize(static_cast<std::size_t>(value));
}

}  // namespace atrium
