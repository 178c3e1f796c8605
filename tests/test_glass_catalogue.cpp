#include "core/glass_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <string>

using namespace monocl;

namespace {

// A few lines as resources/glasses.tsv has them.
const char* const kTable =
    "# Optical glasses from the refractiveindex.info database (CC0 1.0).\n"
    "maker\tname\tcyrillic_name\tnd\tvd\tstatus\n"
    "Schott\tN-BK7\t\t1.516800\t64.17\tstandard\n"
    "Schott\tN-SF6\t\t1.805180\t25.36\tstandard\n"
    "CDGM\tH-K8\t\t1.516020\t56.79\t\n"
    "LZOS\tK8\tК8\t1.516373\t64.07\t\n"
    "LZOS\tK10\tК10\t1.517700\t56.29\t\n"
    "LZOS\tTF1\tТФ1\t1.647665\t33.87\t\n";

std::vector<Glass> table()
{
    return parseGlassTable(kTable);
}

std::vector<std::string> namesOf(const std::vector<Glass>& glasses,
                                 const std::vector<std::size_t>& indices)
{
    std::vector<std::string> names;
    for (std::size_t i : indices)
        names.push_back(glasses[i].maker + " " + glasses[i].name);
    return names;
}

} // namespace

TEST(GlassTable, ReadsEveryField)
{
    const std::vector<Glass> g = table();
    ASSERT_EQ(g.size(), 6u);
    EXPECT_EQ(g[0].maker, "Schott");
    EXPECT_EQ(g[0].name, "N-BK7");
    EXPECT_EQ(g[0].cyrillicName, "");
    EXPECT_EQ(g[0].nd, 1.5168);
    EXPECT_EQ(g[0].vd, 64.17);
    EXPECT_EQ(g[0].status, "standard");
    EXPECT_EQ(g[3].cyrillicName, "К8");
    EXPECT_EQ(g[3].status, "");
}

// The table the program ships: every line reads, and two glasses carry the
// values worked out by hand from the database's data. N-BK7 from Schott's
// Sellmeier coefficients: nd = 1.5168000, nF = 1.5223763, nC = 1.5143223,
// Vd = 64.167. LZOS K8 from its table, linear between the neighbouring rows:
// nd = 1.5163729, nF = 1.5219548, nC = 1.5138949, Vd = 64.067.
TEST(GlassTable, ShippedTable)
{
    std::ifstream file(MONOCL_GLASS_TABLE, std::ios::binary);
    ASSERT_TRUE(file) << MONOCL_GLASS_TABLE;
    std::stringstream text;
    text << file.rdbuf();
    std::size_t lines = 0;
    std::string line;
    while (std::getline(text, line))
        lines += !line.empty() && line[0] != '#' && line.rfind("maker\t", 0) != 0;

    const std::vector<Glass> glasses = parseGlassTable(text.str());
    EXPECT_EQ(glasses.size(), lines);
    EXPECT_GT(glasses.size(), 1000u);

    std::set<std::string> makers;
    const Glass* k8 = nullptr;
    const Glass* bk7 = nullptr;
    for (const Glass& g : glasses) {
        makers.insert(g.maker);
        EXPECT_EQ(g.maker == "LZOS", !g.cyrillicName.empty()) << g.name;
        if (g.maker == "LZOS" && g.name == "K8")
            k8 = &g;
        if (g.maker == "Schott" && g.name == "N-BK7")
            bk7 = &g;
    }
    EXPECT_EQ(makers, (std::set<std::string>{"CDGM", "Hikari", "Hoya", "LZOS", "Ohara", "Schott",
                                             "Sumita"}));
    ASSERT_NE(k8, nullptr);
    EXPECT_EQ(k8->cyrillicName, "К8");
    EXPECT_NEAR(k8->nd, 1.5163729, 1e-6);
    EXPECT_NEAR(k8->vd, 64.067, 0.005);
    ASSERT_NE(bk7, nullptr);
    EXPECT_NEAR(bk7->nd, 1.5168000, 1e-6);
    EXPECT_NEAR(bk7->vd, 64.167, 0.005);
}

TEST(GlassTable, MalformedLinesAreSkipped)
{
    const std::string good = "Hoya\tE-C3\t\t1.518229\t58.90\tstandard\n";
    const char* const bad[] = {
        "Hoya\tE-C3\t\t1.518229\n",                      // too few fields
        "Hoya\tE-C3\t\t1.518229\t58.90\tstandard\tx\n",  // too many
        "\tE-C3\t\t1.518229\t58.90\t\n",                 // no maker
        "Hoya\t \t\t1.518229\t58.90\t\n",                // no name
        "Hoya\tE-C3\t\t1,518229\t58.90\t\n",             // decimal comma
        "Hoya\tE-C3\t\t1.518229x\t58.90\t\n",            // text after the number
        "Hoya\tE-C3\t\tnan\t58.90\t\n",
        "Hoya\tE-C3\t\t1.518229\tinf\t\n",
        "Hoya\tE-C3\t\t0.9\t58.90\t\n",                  // nd below 1
        "Hoya\tE-C3\t\t1.518229\t-3\t\n",                // Vd not positive
        "Hoya\tE-C3\t\t1.518229\t1e999\t\n",             // out of range of a double
        "Hoya\tE-C3\t\t\t\t\n",
        "\xFF\xFE\t\x80\t\t\t\t\n",
        "just some words\n",
        "\t\t\t\t\t\n",
    };
    std::string text = "\xEF\xBB\xBF" + good;
    for (const char* line : bad)
        text += std::string(line) + good;
    text += "Hoya\tE-C3\t\t1.518229\t58.90\tstandard\r\n";   // CRLF
    text += "Hoya\tE-C3\t\t1.518229\t58.90";                 // no line end, no status

    const std::vector<Glass> glasses = parseGlassTable(text);
    ASSERT_EQ(glasses.size(), std::size(bad) + 3);
    for (const Glass& g : glasses) {
        EXPECT_EQ(g.name, "E-C3");
        EXPECT_EQ(g.nd, 1.518229);
    }
    EXPECT_EQ(glasses[std::size(bad) + 1].status, "standard");
    EXPECT_EQ(glasses.back().status, "");
    EXPECT_TRUE(parseGlassTable("").empty());
    EXPECT_TRUE(parseGlassTable("\n\n#\nmaker\tname\n").empty());
}

TEST(GlassCatalogue, CaseFolding)
{
    EXPECT_EQ(foldCase("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"),
              foldCase("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"));
    EXPECT_EQ(foldCase("ABCXYZ ÄÖ ΔΣ"), foldCase("abcxyz äö δσ"));
    EXPECT_EQ(foldCase("К8"), U"к8");
    EXPECT_NE(foldCase("K8"), foldCase("К8"));   // Latin K is not Cyrillic К
    EXPECT_EQ(foldCase("a\xC3"), (std::u32string{U'a', char32_t{0xDCC3}}));
}

TEST(GlassCatalogue, NearestGlass)
{
    const std::vector<Glass> g = table();
    // Distance weighs 0.01 in nd like 1 in Vd: from (1.5168, 62.0) N-BK7 is
    // 2.17 away; K8 is 2.07 away in Vd and 0.0004 in nd, which counts 0.04.
    EXPECT_EQ(nearestGlass(g, 1.5168, 62.0), std::optional<std::size_t>{3});
    EXPECT_EQ(nearestGlass(g, 1.5168, 64.17), std::optional<std::size_t>{0});
    // 0.005 in nd (0.5) beats 1 in Vd.
    const std::vector<Glass> pair = parseGlassTable(
        "A\tfar-vd\t\t1.600\t51.0\t\nA\tfar-nd\t\t1.605\t50.0\t\n");
    EXPECT_EQ(nearestGlass(pair, 1.600, 50.0), std::optional<std::size_t>{1});
    EXPECT_NEAR(glassDistance(1.6, 50.0, 1.63, 54.0), 5.0, 1e-12);

    // At the same distance: first by maker, then by name (K8 before K10).
    const std::vector<Glass> tie = parseGlassTable(
        "Sumita\tK-A\t\t1.50\t60.0\t\nLZOS\tK10\tК10\t1.50\t62.0\t\nLZOS\tK8\tК8\t1.50\t60.0\t\n");
    EXPECT_EQ(nearestGlasses(tie, 1.50, 61.0, 3), (std::vector<std::size_t>{2, 1, 0}));

    EXPECT_EQ(nearestGlasses(g, 1.5168, 64.0, 2), (std::vector<std::size_t>{3, 0}));
    EXPECT_EQ(nearestGlasses(g, 1.5168, 64.0, 100).size(), g.size());
    EXPECT_TRUE(nearestGlasses(g, 1.5168, 64.0, 0).empty());
    EXPECT_FALSE(nearestGlass({}, 1.5, 60.0));
    EXPECT_FALSE(nearestGlass(g, std::numeric_limits<double>::quiet_NaN(), 60.0));
    EXPECT_FALSE(nearestGlass(g, 1.5, std::numeric_limits<double>::infinity()));
}

TEST(GlassCatalogue, RangeIncludesItsBounds)
{
    const std::vector<Glass> g = table();
    const struct {
        double ndMin, ndMax, vdMin, vdMax;
        std::vector<std::string> found;
    } rows[] = {
        // Bounds at N-BK7's and K8's own values: both in, sorted by maker.
        {1.516373, 1.5168, 64.07, 64.17, {"LZOS K8", "Schott N-BK7"}},
        // A hair inside the glasses on each side: they drop out.
        {1.516374, 1.5168, 64.07, 64.17, {"Schott N-BK7"}},
        {1.516373, 1.516799, 64.07, 64.17, {"LZOS K8"}},
        {1.516373, 1.5168, 64.071, 64.17, {"Schott N-BK7"}},
        {1.516373, 1.5168, 64.07, 64.169, {"LZOS K8"}},
        // Names in number order within a maker.
        {1.5, 1.7, 30, 70, {"CDGM H-K8", "LZOS K8", "LZOS K10", "LZOS TF1", "Schott N-BK7"}},
        {1.6, 1.5, 0, 100, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(namesOf(g, glassesInRange(g, row.ndMin, row.ndMax, row.vdMin, row.vdMax)),
                  row.found)
            << row.ndMin << ' ' << row.ndMax << ' ' << row.vdMin << ' ' << row.vdMax;
}

TEST(GlassCatalogue, NearestGlassText)
{
    const std::vector<Glass> g = table();
    EXPECT_EQ(nearestGlassText(g[3], 1.5182, 64.27, ','), "≈ К8 (ЛЗОС), Δnd 0,0018, ΔVd 0,2");
    EXPECT_EQ(nearestGlassText(g[3], 1.5146, 63.87, '.'), "≈ К8 (ЛЗОС), Δnd 0.0018, ΔVd 0.2");
    EXPECT_EQ(nearestGlassText(g[0], 1.5168, 64.17, ','), "≈ N-BK7 (Schott), Δnd 0,0000, ΔVd 0,0");
    EXPECT_EQ(makerDisplayName("LZOS"), "ЛЗОС");
    EXPECT_EQ(makerDisplayName("Hikari"), "Hikari");
}
