// SPDX-License-Identifier: Apache-2.0
#include "dialogs/Catalogue.h"

#include "ui/Host.h"

namespace qvt::dialogs {

namespace {

// The lookups take the first row that matches: names and codes must not repeat, and the variants
// 0..3 must appear once each. (That exactly the four-model dialog's rows carry them is a test: a
// comparison of function addresses is no constant expression under the sanitizers.)
constexpr bool rowsAreUnique() {
    int variants = 0;
    for (std::size_t i = 0; i < kProducts.size(); ++i) {
        for (std::size_t j = i + 1; j < kProducts.size(); ++j)
            if (kProducts[i].displayName == kProducts[j].displayName ||
                kProducts[i].modelCode == kProducts[j].modelCode || kProducts[i].fileCode == kProducts[j].fileCode)
                return false;
        const Product& p = kProducts[i];
        if (p.variant > 3) return false;
        if (p.variant >= 0) variants |= 1 << p.variant;
    }
    return variants == 0b1111;
}
static_assert(rowsAreUnique());

}  // namespace

const std::array<Product, 8>& catalogue() { return kProducts; }

const Product* findProductByModelCode(std::string_view modelCode) {
    for (const Product& p : catalogue())
        if (p.modelCode == modelCode) return &p;
    return nullptr;
}

void displayNameToModelCode(std::string& text) {
    for (const Product& p : catalogue())
        if (p.displayName == text) {
            text = p.modelCode;
            return;
        }
}

std::string modelCodeToDisplayName(std::string_view code) {
    const Product* product = findProductByModelCode(code);
    return std::string(product ? product->displayName : code);
}

bool isAdvancedSetupProduct(std::string_view modelCode) {
    const Product* product = findProductByModelCode(modelCode);
    return product && product->advancedSetup;
}

std::string settingsDialogTitle(std::string_view modelCode) {
    return std::string(ui::kAppName) + " : For " + modelCodeToDisplayName(modelCode);
}

const Product& s1Product(int variant) {
    for (const Product& p : catalogue())
        if (p.description == s1Description && p.variant == variant) return p;
    return *productOf(s1Description);  // not reached: the dialog's variants are 0..3
}

}  // namespace qvt::dialogs
