#include "core/glass_search.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using namespace monocl;

namespace {

std::vector<Glass> parsed(const char* tsv)
{
    return parseGlassTable(tsv);
}

std::vector<std::string> namesOf(const std::vector<Glass>& glasses,
                                 const std::vector<std::size_t>& indices)
{
    std::vector<std::string> names;
    for (std::size_t i : indices)
        names.push_back(glasses[i].maker + " " + glasses[i].name);
    return names;
}

// "maker name" and a letter for the match: W(hole), S(tart) or O(ther).
std::vector<std::string> hitsOf(const std::vector<Glass>& glasses,
                                const std::vector<GlassHit>& hits)
{
    std::vector<std::string> texts;
    for (const GlassHit& hit : hits) {
        const char match = hit.match == NameMatch::Whole ? 'W'
            : hit.match == NameMatch::Start              ? 'S'
                                                         : 'O';
        texts.push_back(glasses[hit.index].maker + " " + glasses[hit.index].name + " "
                        + match);
    }
    return texts;
}

} // namespace

TEST(GlassSearch, KeyTakesLookAlikesAsLatinAndDropsInvisibleMarks)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } rows[] = {
        {"К8", "K8", true},
        {"АВЕКМНОРСТХ", "abekmhopctx", true},
        {"авекмнорстх", "ABEKMHOPCTX", true},
        {"Б", "B", false},   // Б looks like no Latin capital
        {"ТФ1", "tф1", true},
        {"Ё", "E", false},
        {"n\u200F-bk7", "N-BK7", true},
        {"\u200BN\u200E-\u200DBK\u00AD7\uFEFF\u2060", "n-bk7", true},
        {"\u202EN-BK7\u202C", "N-BK7", true},
        {"\u200F", "", true},
        {"N BK7", "N-BK7", false},
        {"a\xC3", "a", false},   // a broken byte stays
    };
    for (const auto& row : rows)
        EXPECT_EQ(glassSearchKey(row.a) == glassSearchKey(row.b), row.same)
            << row.a << " / " << row.b;
}

TEST(GlassSearch, FilterInBothAlphabets)
{
    const std::vector<Glass> g = parsed("Schott\tN-BK7\t\t1.516800\t64.17\tstandard\n"
                                        "Schott\tN-SF6\t\t1.805180\t25.36\tstandard\n"
                                        "CDGM\tH-K8\t\t1.516020\t56.79\t\n"
                                        "LZOS\tK8\tК8\t1.516373\t64.07\t\n"
                                        "LZOS\tK10\tК10\t1.517700\t56.29\t\n"
                                        "LZOS\tTF1\tТФ1\t1.647665\t33.87\t\n");
    const std::vector<std::string> all{"Schott N-BK7", "Schott N-SF6", "CDGM H-K8",
                                       "LZOS K8", "LZOS K10", "LZOS TF1"};
    const struct {
        const char* query;
        std::vector<std::string> found;
    } rows[] = {
        {"к8", {"CDGM H-K8", "LZOS K8"}},   // the Cyrillic К reads as K
        {"К8", {"CDGM H-K8", "LZOS K8"}},
        {"K8", {"CDGM H-K8", "LZOS K8"}},
        {"k8", {"CDGM H-K8", "LZOS K8"}},
        {"schott", {"Schott N-BK7", "Schott N-SF6"}},
        {"лзос", {"LZOS K8", "LZOS K10", "LZOS TF1"}},
        {"Lzos", {"LZOS K8", "LZOS K10", "LZOS TF1"}},
        {"  тф1 ", {"LZOS TF1"}},
        {"tф", {"LZOS TF1"}},
        {"n-sf", {"Schott N-SF6"}},
        {"n\u200F-bk7", {"Schott N-BK7"}},
        {"", all},
        {" \u200F ", all},   // nothing but a mark and blanks
        {"к9", {}},
        {"\xD0", {}},   // a broken UTF-8 byte
    };
    for (const auto& row : rows)
        EXPECT_EQ(namesOf(g, filterGlasses(g, row.query)), row.found) << row.query;
}

TEST(GlassSearch, RankPutsWholeNamesFirstThenNameStartsKeepingTableOrder)
{
    const std::vector<Glass> g = parsed("Schott\tN-LAK8\t\t1.713003\t53.83\t\n"
                                        "LZOS\tBK8\tБК8\t1.546779\t62.78\t\n"
                                        "Acme\tK80\t\t1.50\t60\t\n"
                                        "LZOS\tK8\tК8\t1.516373\t64.07\t\n"
                                        "CDGM\tH-K8\t\t1.516020\t56.79\t\n"
                                        "Acme\tK8-X\t\t1.51\t60\t\n"
                                        "Acme\tK8\t\t1.52\t60\t\n");
    const struct {
        const char* query;
        std::vector<std::string> hits;
    } rows[] = {
        {"k8", {"LZOS K8 W", "Acme K8 W", "Acme K80 S", "Acme K8-X S", "Schott N-LAK8 O",
                "LZOS BK8 O", "CDGM H-K8 O"}},
        {"К8", {"LZOS K8 W", "Acme K8 W", "Acme K80 S", "Acme K8-X S", "Schott N-LAK8 O",
                "LZOS BK8 O", "CDGM H-K8 O"}},
        {"\u200Fk\u00AD8 ", {"LZOS K8 W", "Acme K8 W", "Acme K80 S", "Acme K8-X S",
                             "Schott N-LAK8 O", "LZOS BK8 O", "CDGM H-K8 O"}},
        {"бк8", {"LZOS BK8 W"}},   // by its Cyrillic name only
        {"bk", {"LZOS BK8 S"}},
        {"k8-", {"Acme K8-X S"}},
        {"lzos", {"LZOS BK8 O", "LZOS K8 O"}},
        {"", {"Schott N-LAK8 O", "LZOS BK8 O", "Acme K80 O", "LZOS K8 O", "CDGM H-K8 O",
              "Acme K8-X O", "Acme K8 O"}},
        {"k9", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(hitsOf(g, rankGlasses(g, row.query)), row.hits) << row.query;
}

TEST(GlassSearch, BestMatchInTheWholeTable)
{
    std::ifstream file(MONOCL_GLASS_TABLE, std::ios::binary);
    ASSERT_TRUE(file) << MONOCL_GLASS_TABLE;
    std::stringstream text;
    text << file.rdbuf();
    const std::vector<Glass> glasses = parseGlassTable(text.str());

    const struct {
        const char* query;
        const char* best;
    } rows[] = {
        {"K8", "LZOS K8 W"},
        {"К8", "LZOS K8 W"},
        {"N-BK7", "Schott N-BK7 W"},
        {"n\u200F-bk7", "Schott N-BK7 W"},
        {"TF3", "CDGM TF3 W"},
        {"ТФ3", "LZOS TF3 W"},
        {"TF", "CDGM TF3 S"},
        {"N-BK", "Schott N-BK7 S"},
    };
    for (const auto& row : rows) {
        const std::vector<GlassHit> hits = rankGlasses(glasses, row.query);
        ASSERT_FALSE(hits.empty()) << row.query;
        EXPECT_EQ(hitsOf(glasses, {hits.front()}).front(), row.best) << row.query;
        EXPECT_EQ(hits.size(), filterGlasses(glasses, row.query).size()) << row.query;
    }
}
