// The document without any window: its controls' rules, its handlers'
// nested runs and the faults it tells.
#include "document/monocl_document.h"

#include <gtest/gtest.h>

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
