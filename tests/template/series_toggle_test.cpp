#include "atrium/series_toggle_info.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "expect_error.hpp"

namespace {

using atrium::SeriesToggleInfo;

// The holders under the column's root, in order.
std::vector<std::shared_ptr<holvane::Transform>> Holders(const SeriesToggleInfo& toggles) {
    const auto root = std::dynamic_pointer_cast<holvane::Transform>(toggles.RootNode());
    std::vector<std::shared_ptr<holvane::Transform>> holders;
    for (const auto& node : root->ChildrenField()->Values())
        holders.push_back(std::dynamic_pointer_cast<holvane::Transform>(node));
    return holders;
}

// The y of every holder, top box first.
std::vector<float> Rows(const SeriesToggleInfo& toggles) {
    std::vector<float> rows;
    for (const auto& holder : Holders(toggles)) rows.push_back(holder->TranslationField()->Y());
    return rows;
}

// The DEF names of the boxes 1 to Count.
std::vector<std::string> Names(const SeriesToggleInfo& toggles) {
    std::vector<std::string> names;
    for (std::int16_t i = 1; i <= toggles.Count(); ++i) names.push_back(toggles.Get1CheckBox(i)->DEFName());
    return names;
}

TEST(SeriesToggleInfo, ThreeBoxesStandTopDownWithTheirNames) {
    atrium::SetProtoPath("ui/");
    SeriesToggleInfo toggles;
    toggles.AddCheckBox();
    toggles.AddCheckBox();
    toggles.AddCheckBox();
    atrium::SetProtoPath("");
    EXPECT_EQ(toggles.Count(), 3);
    EXPECT_EQ(Rows(toggles), (std::vector<float>{3.0f, 1.5f, 0.0f}));
    EXPECT_EQ(Names(toggles), (std::vector<std::string>{"CHECK_BOX_1", "CHECK_BOX_2", "CHECK_BOX_3"}));
    const auto holders = Holders(toggles);
    for (std::int16_t i = 1; i <= 3; ++i) {
        const auto box = toggles.Get1CheckBox(i);
        EXPECT_EQ(box->NodeType(), "qrx_CheckBox");
        EXPECT_EQ(box->SizeField()->Value(), 1.0f);
        EXPECT_TRUE(box->ValueField()->Value());
        EXPECT_EQ(box->SourceFile(), "ui/HV_UI.wrl");
        const auto& held = holders[static_cast<std::size_t>(i - 1)]->ChildrenField()->Values();
        ASSERT_EQ(held.size(), 1u);
        EXPECT_EQ(held[0], box);
    }
}

TEST(SeriesToggleInfo, HeightResizesEveryBoxAndBothReLayOut) {
    SeriesToggleInfo toggles;
    toggles.AddCheckBox();
    toggles.AddCheckBox();
    toggles.SetHeight(2.0f);
    EXPECT_EQ(toggles.Get1CheckBox(1)->SizeField()->Value(), 2.0f);
    EXPECT_EQ(toggles.Get1CheckBox(2)->SizeField()->Value(), 2.0f);
    EXPECT_EQ(Rows(toggles), (std::vector<float>{2.5f, 0.0f}));
    toggles.SetSpacing(1.0f);
    EXPECT_EQ(Rows(toggles), (std::vector<float>{3.0f, 0.0f}));
    toggles.AddCheckBox();  // a later box gets the current size
    EXPECT_EQ(toggles.Get1CheckBox(3)->SizeField()->Value(), 2.0f);
    EXPECT_EQ(Rows(toggles), (std::vector<float>{6.0f, 3.0f, 0.0f}));
}

TEST(SeriesToggleInfo, InvalidIndexAndSizesFailAndChangeNothing) {
    SeriesToggleInfo toggles;
    toggles.AddCheckBox();
    ExpectObjectError([&] { toggles.Get1CheckBox(0); }, "Invalid index into the list of check boxes");
    ExpectObjectError([&] { toggles.Get1CheckBox(2); }, "Invalid index into the list of check boxes");
    ExpectObjectError([&] { toggles.Get1CheckBox(-1); }, "Invalid index into the list of check boxes");
    ExpectObjectError([&] { toggles.SetHeight(0.0f); }, "Invalid height, must be greater than 0");
    ExpectObjectError([&] { toggles.SetSpacing(-1.0f); }, "Invalid spacing, must be greater than 0");
    ExpectObjectError([&] { toggles.SetSpacing(0.0f); }, "Invalid spacing, must be greater than 0");
    EXPECT_EQ(toggles.Height(), 1.0f);
    EXPECT_EQ(toggles.Spacing(), 0.5f);
    EXPECT_EQ(toggles.Get1CheckBox(1)->SizeField()->Value(), 1.0f);
}

TEST(SeriesToggleInfo, AFullColumnIsBuiltOneBoxAtATimeAndTheNextBoxOverflows) {
    // Under a deferred layout the column is laid out once: a quadratic build would run out of
    // time here in a debug build.
    SeriesToggleInfo toggles;
    toggles.SetHeight(0.5f);
    {
        const SeriesToggleInfo::DeferredLayout once(toggles);
        for (int i = 0; i < 32767; ++i) toggles.AddCheckBox();
    }
    ExpectError([&] { toggles.AddCheckBox(); }, holvane::kOverflow,
                "Overflow: a check-box column holds at most 32767 boxes");
    ASSERT_EQ(toggles.Count(), 32767);
    EXPECT_EQ(toggles.Get1CheckBox(32767)->DEFName(), "CHECK_BOX_32767");
    const auto rows = Rows(toggles);
    ASSERT_EQ(rows.size(), 32767u);
    EXPECT_EQ(rows.front(), 32766.0f);
    EXPECT_EQ(rows[16383], 16383.0f);
    EXPECT_EQ(rows.back(), 0.0f);

    toggles.ClearCheckBoxes();
    toggles.AddCheckBox();
    EXPECT_EQ(Rows(toggles), (std::vector<float>{0.0f}));
}

}  // namespace
