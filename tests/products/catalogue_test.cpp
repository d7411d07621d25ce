// The catalogue: one lookup of a product by its word, as every part of the program takes it.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "products/catalogue.h"

namespace lorvane {
namespace {

struct WordLookup {
    const char* typed;
    const char* product;  // the menu text of the product it names; null: none
};

// clang-format off
constexpr WordLookup kLookups[] = {
    {"selmon",       "Selmon"},
    {"SELMON",       "Selmon"},
    {" selmon\r",    "Selmon"},  // a schedule's cell from a CRLF file
    {"Damper\t",     "Acoustics"},
    {"attenuator",   "Attentuator"},
    {"sel mon",      nullptr},
    {"fan",          nullptr},
    {"",             nullptr},
};
// clang-format on

TEST(Catalogue, FindsAProductByItsWordAsPlannersWriteIt) {
    for (const WordLookup& lookup : kLookups) {
        const Product* product = FindProductByWord(lookup.typed);
        if (lookup.product == nullptr) {
            EXPECT_EQ(product, nullptr) << '"' << lookup.typed << '"';
        } else {
            ASSERT_NE(product, nullptr) << '"' << lookup.typed << '"';
            EXPECT_EQ(product->menuText, lookup.product);
        }
    }
}

TEST(Catalogue, EveryProductHasItsFormAndOneWordAndCommand) {
    std::set<std::string> words;
    std::set<int> commands;
    for (const Product& product : Catalogue()) {
        EXPECT_NE(product.spec, nullptr) << product.word;
        EXPECT_NE(product.makeForm, nullptr) << product.word;
        EXPECT_TRUE(words.insert(std::string(product.word)).second) << product.word;
        EXPECT_TRUE(commands.insert(product.menuCommand).second) << product.word;
        EXPECT_EQ(FindProductByWord(product.word), &product);
        EXPECT_EQ(FindProduct(product.menuCommand), &product);
    }
}

}  // namespace
}  // namespace lorvane
