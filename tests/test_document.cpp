// The document without any window: its controls' rules, its handlers'
// nested runs and the faults it tells.
#include "document/monocl_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

using namespace monocl;

namespace {

class Document : public ::testing::Test
{
protected:
    void SetUp() override
    {
        applyStartValues(state);
        document = std::make_unique<MonoclDocument>(state, ',');
        MonoclDocument::Hooks hooks;
        hooks.tell = [this](const std::exception_ptr& fault) { told.push_back(faultMessage(fault)); };
        hooks.recomputed = [this] { ++recomputes; };
        document->setHooks(std::move(hooks));
        document->formCreate();
        document->writeRangeGeneralTexts();
        told.clear();
        recomputes = 0;
    }

    const std::string& field(RealFieldId id) const { return document->controls().field(id); }

    MonoclState state;
    std::unique_ptr<MonoclDocument> document;
    std::vector<std::string> told;
    int recomputes = 0;
};

} // namespace

// The start state the window shows: each field in its decimals, the glass
// range in its general texts, the spins and bars at their start values.
TEST_F(Document, StartsAsTheWindowDoes)
{
    const InputControls& c = document->controls();
    EXPECT_EQ(field(RealFieldId::NDedit), "1,5182");
    EXPECT_EQ(field(RealFieldId::ABEdit), "63,84");
    EXPECT_EQ(field(RealFieldId::ihm), "4,00");
    // The edge is written after the design has set the store's thickness.
    EXPECT_EQ(field(RealFieldId::ih), "3,80");
    EXPECT_EQ(field(RealFieldId::inmin), "1,5");
    EXPECT_EQ(field(RealFieldId::inmax), "1,7");
    EXPECT_EQ(c.spinValue(SpinId::FSpin), 52);
    EXPECT_EQ(c.bar(BarId::KsfBar), 60);
    EXPECT_TRUE(c.isChecked(ChoiceId::RB1));
    EXPECT_EQ(document->barRatioText(BarId::KsfBar), "0,40");
    EXPECT_FALSE(document->designFault());
    ASSERT_EQ(document->outputs().designTable.size(), 30u);
    EXPECT_FALSE(document->outputs().designTable[1][1].empty());
    EXPECT_TRUE(document->rayLens());
}

// One action a row: what the control holds after it, the value stored, how
// many recomputes ran and how many faults were told.
TEST_F(Document, ControlsKeepTheHandlersRules)
{
    const struct {
        const char* name;
        std::function<void(MonoclDocument&)> act;
        std::function<std::string(const MonoclDocument&)> shown;
        std::string expected;
        int recomputes;
        std::size_t told;
    } rows[] = {
        // A text that is no number is replaced by the stored value, whose
        // text runs the handler once more, nested.
        {"junk restored", [](MonoclDocument& d) { d.typeFieldText(RealFieldId::ihm, "4x"); },
         [](const MonoclDocument& d) { return d.controls().field(RealFieldId::ihm); }, "4,00", 2, 0},
        // The glass range is held to 1,4..1,8 and the field shows the bound.
        {"range raised", [](MonoclDocument& d) { d.typeFieldText(RealFieldId::inmin, "1"); },
         [](const MonoclDocument& d) { return d.controls().field(RealFieldId::inmin); }, "1,40", 2, 0},
        // The edge is held to the lens height.
        {"edge held", [](MonoclDocument& d) { d.typeFieldText(RealFieldId::ih, "9"); },
         [](const MonoclDocument& d) { return std::to_string(d.state().MeasuredEdge); }, "4.000000", 2, 0},
        // A value from the program is held to the spin's range; typing is not.
        {"spin clamped", [](MonoclDocument& d) { d.setSpinValue(SpinId::FSpin, 5000); },
         [](const MonoclDocument& d) { return d.controls().spinText(SpinId::FSpin); }, "1000", 1, 0},
        {"spin typed", [](MonoclDocument& d) { d.setSpinText(SpinId::NSpin, "99"); },
         [](const MonoclDocument& d) { return std::to_string(d.controls().spinValue(SpinId::NSpin)); }, "99", 1, 0},
        {"spin text no number", [](MonoclDocument& d) { d.setSpinText(SpinId::VminSP, " -x"); },
         [](const MonoclDocument& d) { return std::to_string(d.controls().spinValue(SpinId::VminSP)); }, "40", 1, 0},
        {"bar clamped", [](MonoclDocument& d) { d.setBarValue(BarId::KxrBar, -7); },
         [](const MonoclDocument& d) { return d.barRatioText(BarId::KxrBar); }, "0,25", 1, 0},
        {"bar unmoved", [](MonoclDocument& d) { d.setBarValue(BarId::KsfBar, 60); },
         [](const MonoclDocument& d) { return d.barRatioText(BarId::KsfBar); }, "0,40", 0, 0},
        // A disabled choice is not made; a choice made unchecks its group.
        {"disabled choice", [](MonoclDocument& d) { d.check(ChoiceId::Sf2); },
         [](const MonoclDocument& d) { return std::to_string(d.controls().isChecked(ChoiceId::Sf1)); }, "1", 0, 0},
        {"choice made", [](MonoclDocument& d) { d.check(ChoiceId::Sfp4); },
         [](const MonoclDocument& d) { return std::to_string(d.controls().isChecked(ChoiceId::sfp1)); }, "0", 1, 0},
        // An index of 1 faults the design: told once, at the end.
        {"fault told once", [](MonoclDocument& d) { d.typeFieldText(RealFieldId::NDedit, "1"); },
         [](const MonoclDocument& d) { return std::to_string(d.designFault().has_value()); }, "1", 1, 1},
        // Within one action only the state reached counts.
        {"passing fault dropped",
         [](MonoclDocument& d) {
             d.setInputsAsOneAction([&] {
                 d.typeFieldText(RealFieldId::NDedit, "1");
                 d.typeFieldText(RealFieldId::NDedit, "1,6");
             });
         },
         [](const MonoclDocument& d) { return std::to_string(d.designFault().has_value()); }, "0", 3, 0},
    };
    for (const auto& row : rows) {
        SetUp();
        row.act(*document);
        EXPECT_EQ(row.shown(*document), row.expected) << row.name;
        EXPECT_EQ(recomputes, row.recomputes) << row.name;
        EXPECT_EQ(told.size(), row.told) << row.name;
    }
}

// The glass named stays named while nd and Vd keep the values it came with.
TEST_F(Document, GlassIsNamedWhileItsValuesStay)
{
    document->rememberGlass(GlassName{"LZOS", "K8"});
    ASSERT_TRUE(document->chosenGlass());
    EXPECT_EQ(document->chosenGlass()->name, "K8");
    document->typeFieldText(RealFieldId::ABEdit, "60");
    EXPECT_FALSE(document->chosenGlass());
}

// The drawing's settings a lens cannot take are refused with the reason, and
// the settings kept are drawn from.
TEST_F(Document, DrawingSettingsTheLensCannotTakeAreRefused)
{
    const auto drawn = document->drawnLens();
    ASSERT_TRUE(drawn);
    EXPECT_TRUE(drawn->refined);
    const double Dm = drawn->lens.diameter;
    const double rim = drawn->lens.thickness
        + (drawn->lens.R2 - std::copysign(std::sqrt(drawn->lens.R2 * drawn->lens.R2 - Dm * Dm / 4), drawn->lens.R2))
        - (drawn->lens.R1 - std::copysign(std::sqrt(drawn->lens.R1 * drawn->lens.R1 - Dm * Dm / 4), drawn->lens.R1));
    const struct {
        const char* name;
        std::function<void(DrawingSettings&)> change;
        const char* says; // empty where it is taken
    } rows[] = {
        {"ring wider than Dm", [&](DrawingSettings& s) { s.ringDiameter = Dm + 0.01; }, "больше диаметра линзы"},
        {"ring at Dm", [&](DrawingSettings& s) { s.ringDiameter = Dm; }, ""},
        {"ring of no width", [&](DrawingSettings& s) { s.ringDiameter = 0; }, "больше нуля"},
        {"bevels eating the rim", [&](DrawingSettings& s) { s.bevel = rim / 2 + 0.01; }, "шире края"},
        {"bevels within the rim", [&](DrawingSettings& s) { s.bevel = rim / 2 - 0.01; }, ""},
        {"negative bevel", [&](DrawingSettings& s) { s.bevel = -0.1; }, "отрицательной"},
        {"no focal budget", [&](DrawingSettings& s) { s.budget.focalPercent = 0; }, "больше нуля"},
        {"negative back focus budget", [&](DrawingSettings& s) { s.budget.backFocus = -0.5; }, "больше нуля"},
        {"no spherical budget", [&](DrawingSettings& s) { s.budget.sphericalPercent = 0; }, "больше нуля"},
        {"no fringe", [&](DrawingSettings& s) { s.sagittaFringes = 0; }, "ISO 10110"},
    };
    for (const auto& row : rows) {
        const DrawingSettings before = document->drawingSettings();
        DrawingSettings wanted = before;
        row.change(wanted);
        const auto problem = document->setDrawingSettings(wanted);
        if (*row.says == '\0') {
            EXPECT_FALSE(problem) << row.name << ": " << problem.value_or("");
            EXPECT_EQ(document->drawingSettings(), wanted) << row.name;
            document->setDrawingSettings(DrawingSettings{});
        } else {
            ASSERT_TRUE(problem) << row.name;
            EXPECT_NE(problem->find(row.says), std::string::npos) << row.name << ": " << *problem;
            EXPECT_EQ(document->drawingSettings(), before) << row.name;
        }
    }
}

// The lens drawn follows the choice; a refined lens asked for and not found
// gives none rather than the design's.
TEST_F(Document, DrawnLensFollowsTheChoice)
{
    DrawingSettings s;
    s.lens = DrawingLens::ThirdOrder;
    ASSERT_FALSE(document->setDrawingSettings(s));
    ASSERT_TRUE(document->drawnLens());
    EXPECT_FALSE(document->drawnLens()->refined);
    EXPECT_EQ(document->drawnLens()->lens.R1, document->rayLens()->R1);
    s.lens = DrawingLens::Refined;
    ASSERT_FALSE(document->setDrawingSettings(s));
    EXPECT_TRUE(document->drawnLens()->refined);
    EXPECT_EQ(document->drawnLens()->lens.R1, document->refinedLens()->lens.R1);
    ASSERT_TRUE(document->tolerances());
    EXPECT_GT(document->tolerances()->share, 0.5);
}
