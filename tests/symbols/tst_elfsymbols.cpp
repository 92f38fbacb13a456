// The host's ELF reader on a library built for it, as the demo and the benchmarks use it.
#include "symbolrecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using tesk::host::readElfSymbols;
using tesk::host::SymbolRecords;

namespace {

bool holds(const std::vector<std::string> &records, const std::string &start,
           const std::string &end)
{
    return std::any_of(records.begin(), records.end(), [&](const std::string &r) {
        return r.rfind(start, 0) == 0 && r.size() >= end.size() &&
               r.compare(r.size() - end.size(), end.size(), end) == 0;
    });
}

} // namespace

TEST(ElfSymbols, SymbolsLandInTheirModulesWithTheirScopes)
{
    SymbolRecords r;
    std::string error;
    ASSERT_TRUE(readElfSymbols(TESK_ELF_FIXTURE, r, error)) << error;
    const std::string image = TESK_ELF_FIXTURE;
    EXPECT_EQ(r.images, std::vector<std::string>{image});
    EXPECT_TRUE(holds(r.modules, image + " <Global> ", image));
    EXPECT_TRUE(holds(r.modules, image + " elffixture.c ", "elffixture.c"));
    const std::string file = image + " elffixture.c ";
    const std::string global = image + " <Global> ";
    EXPECT_TRUE(holds(r.functions, file + "fixture_static_helper 0x", " Static"));
    EXPECT_TRUE(holds(r.functions, global + "fixture_public_entry 0x", " Public"));
    EXPECT_TRUE(holds(r.functions, global + "fixture_label 0x", " Label"));
    EXPECT_TRUE(holds(r.variables, file + "fixture_static_counter 0x", " Static"));
    EXPECT_TRUE(holds(r.variables, global + "fixture_global_table 0x", " Global"));
    // Addresses as "0x" and lower-case digits.
    for (const std::string &f : r.functions) {
        const size_t at = f.find(" 0x");
        ASSERT_NE(at, std::string::npos) << f;
        EXPECT_EQ(f.find_first_of("ABCDEF", at), std::string::npos) << f;
    }
}

TEST(ElfSymbols, AFileThatIsNoElfIsNamedAndSkipped)
{
    SymbolRecords r;
    std::string error;
    EXPECT_FALSE(readElfSymbols(TESK_NOT_ELF, r, error));
    EXPECT_NE(error.find(TESK_NOT_ELF), std::string::npos);
    EXPECT_EQ(r.symbolCount(), 0u);
    EXPECT_TRUE(r.images.empty());
    EXPECT_FALSE(readElfSymbols("/nonexistent/file", r, error));
}
