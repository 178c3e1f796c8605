#include "texts/exchange_files.h"
#include "texts/lens_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <vector>

using namespace monocl;

namespace {

// The start design's lens, refined, as the document hands it over.
RayLens sampleLens()
{
    RayLens l;
    l.R1 = -21.734567891234;
    l.R2 = -12.771234567891;
    l.thickness = 3.9212345678;
    l.diameter = 14.53;
    l.nd = 1.5182;
    l.abbe = 63.84;
    l.stopZ = -5.5432109876;
    l.stopDiameter = 6.64;
    l.halfField = 22.5 * 3.14159265358979323846 / 180;
    return l;
}

// What a lens program takes from a .zmx: the surfaces in order, each with
// its keywords' numbers, and the system's lines.
struct ZmxSurface {
    std::map<std::string, std::vector<std::string>> keys;
};
struct Zmx {
    std::map<std::string, std::vector<std::string>> system;
    std::vector<ZmxSurface> surfaces;
};

Zmx readZmx(const std::string& text)
{
    Zmx z;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        std::vector<std::string> values;
        for (std::string w; words >> w;)
            values.push_back(w);
        const bool indented = !line.empty() && line[0] == ' ';
        if (key == "SURF")
            z.surfaces.emplace_back();
        else if (indented && !z.surfaces.empty())
            z.surfaces.back().keys[key] = values;
        else if (!key.empty())
            z.system[key + (key == "WAVM" ? values.at(0) : "")] = values;
    }
    return z;
}

double number(const std::vector<std::string>& values, std::size_t i = 0)
{
    return values.at(i) == "INFINITY" ? INFINITY : std::stod(values.at(i));
}

} // namespace

TEST(ExchangeFiles, ZemaxFileReadsBackAsTheSameLens)
{
    const RayLens l = sampleLens();
    const auto text = zemaxFile(l, "monocl test");
    ASSERT_TRUE(text);
    const Zmx z = readZmx(*text);
    EXPECT_EQ(z.system.at("UNIT").at(0), "MM");
    EXPECT_EQ(z.system.at("MODE").at(0), "SEQ");
    EXPECT_EQ(number(z.system.at("ENPD")), l.stopDiameter);
    const double beta = 22.5;
    EXPECT_EQ(number(z.system.at("YFLN"), 0), 0);
    EXPECT_NEAR(number(z.system.at("YFLN"), 1), 0.7 * beta, 1e-12);
    EXPECT_NEAR(number(z.system.at("YFLN"), 2), beta, 1e-12);
    EXPECT_EQ(number(z.system.at("WAVM2"), 1), 0.5875618);
    EXPECT_EQ(number(z.system.at("WAVM1"), 1), 0.4861327);
    EXPECT_EQ(number(z.system.at("WAVM3"), 1), 0.6562725);
    EXPECT_EQ(z.system.at("PWAV").at(0), "2");

    ASSERT_EQ(z.surfaces.size(), 5u);
    EXPECT_TRUE(std::isinf(number(z.surfaces[0].keys.at("DISZ"))));
    EXPECT_TRUE(z.surfaces[1].keys.count("STOP"));
    EXPECT_EQ(number(z.surfaces[1].keys.at("CURV")), 0);
    EXPECT_EQ(number(z.surfaces[1].keys.at("DISZ")), -l.stopZ);
    EXPECT_EQ(number(z.surfaces[1].keys.at("DIAM")), l.stopDiameter / 2);
    // The radii come back to the last bit but one, the rest exactly.
    EXPECT_NEAR(1 / number(z.surfaces[2].keys.at("CURV")), l.R1, 1e-13 * std::abs(l.R1));
    EXPECT_NEAR(1 / number(z.surfaces[3].keys.at("CURV")), l.R2, 1e-13 * std::abs(l.R2));
    EXPECT_EQ(number(z.surfaces[2].keys.at("DISZ")), l.thickness);
    EXPECT_EQ(number(z.surfaces[2].keys.at("DIAM")), l.diameter / 2);
    EXPECT_EQ(number(z.surfaces[3].keys.at("DIAM")), l.diameter / 2);
    const auto& glass = z.surfaces[2].keys.at("GLAS");
    EXPECT_EQ(glass.at(0), "___BLANK");
    EXPECT_EQ(number(glass, 3), l.nd);
    EXPECT_EQ(number(glass, 4), l.abbe);
    EXPECT_FALSE(z.surfaces[3].keys.count("GLAS"));
    // The image at the paraxial focus, by the test's own y-nu trace.
    const double u1 = -(l.nd - 1) / (l.nd * l.R1);
    const double y2 = 1 + l.thickness * u1;
    const double u2 = l.nd * u1 - y2 * (1 - l.nd) / l.R2;
    EXPECT_NEAR(number(z.surfaces[3].keys.at("DISZ")), -y2 / u2, 1e-9);
}

TEST(ExchangeFiles, PrescriptionListsTheSurfaces)
{
    const RayLens l = sampleLens();
    const auto text = prescriptionText(l, "monocl test");
    ASSERT_TRUE(text);
    std::istringstream in(*text);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        rows.emplace_back();
        for (std::string w; words >> w;)
            rows.back().push_back(w);
    }
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].at(0), "Surface");
    EXPECT_EQ(rows[2].at(0), "STO");
    EXPECT_NEAR(std::stod(rows[2].at(2)), -l.stopZ, 1e-6);
    EXPECT_NEAR(std::stod(rows[3].at(1)), l.R1, 1e-6);
    EXPECT_NEAR(std::stod(rows[3].at(2)), l.thickness, 1e-6);
    EXPECT_EQ(rows[3].at(3), "1.518200/63.84");
    EXPECT_NEAR(std::stod(rows[3].at(4)), l.diameter / 2, 1e-6);
    EXPECT_NEAR(std::stod(rows[4].at(1)), l.R2, 1e-6);
    EXPECT_EQ(rows[5].at(0), "IMA");
}

TEST(ExchangeFiles, AnUntraceableLensGivesNoFile)
{
    RayLens flat = sampleLens();
    flat.R1 = 0;
    EXPECT_FALSE(zemaxFile(flat, "x"));
    EXPECT_FALSE(prescriptionText(flat, "x"));
    RayLens noStop = sampleLens();
    noStop.stopDiameter = 0;
    EXPECT_FALSE(zemaxFile(noStop, "x"));
}

TEST(LensTexts, RadiiAndLengthsToTheWorkshopsDigits)
{
    const struct {
        double value;
        const char* radius;
        const char* length;
        const char* sag;
    } rows[] = {
        {-12.351, "12,35", "12,35", "12,351"},
        {9.99949, "9,999", "10,00", "9,999"},
        {-7.5125, "7,513", "7,51", "7,513"},
        {110.64, "110,64", "110,64", "110,640"},
        {0.0004, "0,000", "0,00", "0,000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(radiusText(row.value, ','), row.radius) << row.value;
        EXPECT_EQ(lengthText(row.value, ','), row.length) << row.value;
        EXPECT_EQ(sagText(row.value, ','), row.sag) << row.value;
    }
    // As seen from outside: the front is convex towards a centre behind it.
    EXPECT_STREQ(surfaceForm(20, 0), "CX");
    EXPECT_STREQ(surfaceForm(-20, 0), "CC");
    EXPECT_STREQ(surfaceForm(-12, 1), "CX");
    EXPECT_STREQ(surfaceForm(12, 1), "CC");
}
