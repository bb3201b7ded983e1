// SPDX-License-Identifier: Apache-2.0
#pragma once
// The eight camera products as the tests see them, one row each: what a person picks, the file the
// product writes, the buttons and wording every product has, and how its dialog opens on an empty
// card. The dialog tests take one row per dialog (dialogCases), the end-to-end tests every row.
// Control ids are plain numbers here, as the automation script and its dump use them.
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvt::test {

struct ProductCase {
    const char* name;         // the test parameter's name
    const char* displayName;  // as the product list shows it
    const char* modelCode;    // the code the program configures
    const char* fileCode;     // the file name and the file's "Model"
    bool representsDialog;    // the row the dialog tests use for its dialog
    bool gameCall;            // the dialog stages the conversion tool
    int defaultButton;
    int pathList;
    int banner;  // the picture that opens the About box
    const char* confirm;  // the save confirmation
    const char* savedIn;  // the save report, up to the file name
    // On an empty card: lists without a selection, buttons unchecked, texts shown; the controls the
    // model lacks (disabled).
    std::vector<int> blankOnOpen;
    std::vector<int> clearOnOpen;
    std::vector<std::pair<int, std::string>> textsOnOpen;
    std::vector<int> disabled;
};

inline void PrintTo(const ProductCase& p, std::ostream* os) { *os << p.name; }

inline constexpr const char* kConfirmLower = "Confirm save all the data ?";
inline constexpr const char* kConfirmTitle = "Confirm Save All The Data ?";
inline constexpr const char* kSavedInLower = "Ok , All data has been saved in : ";
inline constexpr const char* kSavedInTitle = "Ok , All Data Has Been Saved In : ";

inline ProductCase s1ProductCase(const char* name, const char* displayName, bool represents, std::vector<int> disabled) {
    return {name,
            displayName,
            name,
            name,
            represents,
            false,
            1003,
            1152,
            1151,
            kConfirmLower,
            kSavedInTitle,
            {1067, 1068, 1069, 1070, 1081, 1073, 1071, 1169, 1114, 1180, 1183, 1074, 1075, 1076, 1173, 1000, 1004},
            {1057, 1056, 1055, 1058, 1062, 1063, 1064},
            {},
            std::move(disabled)};
}

inline const std::vector<ProductCase>& productCases() {
    static const std::vector<ProductCase> all = {
        {"HX710T",
         "HX710T-10M",
         "HX710T",
         "HX710T",
         true,
         true,
         1080,
         1030,
         1082,
         kConfirmLower,
         kSavedInLower,
         {1081, 1067, 1068, 1069, 1070, 1073, 1071, 1072, 1129, 1114, 1180, 1150, 1118, 1119, 1120, 1130, 1182, 1038,
          1039, 1041, 1040, 1074, 1075, 1076, 1077, 1078, 1079, 1173, 1065, 1066},
         {1057, 1056, 1055, 1058, 1062, 1063, 1064, 1083, 1121, 1128, 1122, 1123, 1124, 1125, 1126, 1127},
         {{1001, "Choose audio file!"}},
         {}},
        {"HX720U",
         "HX720U",
         "HX720U",
         "HX720U",
         true,
         true,
         1080,
         1135,
         1082,
         kConfirmTitle,
         kSavedInLower,
         {1081, 1068, 1070, 1180, 1118, 1119, 1182, 1074, 1076},
         {1057, 1062, 1064, 1083},
         {{1001, "Choose audio file!"}},
         {}},
        {"LP300",
         "LP300 Series",
         "LP300",
         "LP300",
         true,
         false,
         1080,
         1135,
         1133,
         kConfirmTitle,
         kSavedInLower,
         {1067, 1068, 1069, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1114, 1129, 1138, 1145, 1147, 1148},
         {1055, 1062, 1064, 1083, 1121, 1122, 1128},
         {},
         {}},
        {"VEX2",
         "VEX 2.0",
         "VEX 2.0",
         "VEX2",
         true,
         false,
         1080,
         1135,
         1189,
         kConfirmTitle,
         kSavedInLower,
         {1192, 1073, 1071, 1072, 1074, 1075, 1076, 1077, 1078, 1079, 1138, 1139},
         {1063, 1065, 1194, 1193, 1191},
         {{2, "Cancel(&N)"}},
         {}},
        s1ProductCase("PN250R", "PN250R-8MHD", false, {1180, 1181}),
        s1ProductCase("HX330", "HX330", false, {1114, 1176, 1180, 1181}),
        s1ProductCase("PN450RT", "PN450RT-8MHD", true, {}),
        s1ProductCase("HX460T", "HX460T-8MHD", false, {}),
    };
    return all;
}

// One row per dialog: the five settings dialogs.
inline std::vector<ProductCase> dialogCases() {
    std::vector<ProductCase> rows;
    for (const ProductCase& p : productCases())
        if (p.representsDialog) rows.push_back(p);
    return rows;
}

inline const ProductCase& productCase(std::string_view name) {
    for (const ProductCase& p : productCases())
        if (p.name == name) return p;
    throw std::invalid_argument(std::string(name));
}

}  // namespace qvt::test
