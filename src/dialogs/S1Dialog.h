// SPDX-License-Identifier: Apache-2.0
#pragma once
// The one settings window of four cameras: PN250R-8MHD, HX330, PN450RT-8MHD and HX460T-8MHD. It
// takes the model being configured when it opens; the title, the file names on the card and on the
// PC, the file's model mark and the controls a camera lacks all follow from that model.
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/ProductSettingsDialog.h"

namespace qvt::dialogs {

namespace s1 {
// Resource and banner are the same for the four models: those of the first.
inline constexpr int kTemplateId = productOf(SettingsDialogKind::S1)->dialogResource;
// The template's title; replaced by the model's own when the dialog opens.
inline constexpr const char* kPlaceholderTitle = "QVT CONFIG : For PN250R-8MHD / HX330 / PN450RT-8MHD /  HX460T";

// The variants, in the order of the four-product file-name table.
inline constexpr int kPn250r = 0;
inline constexpr int kHx330 = 1;
inline constexpr int kPn450rt = 2;
inline constexpr int kHx460t = 3;

// Camera settings.
inline constexpr int kCameraMode = 1067;
inline constexpr int kPhotoSize = 1068;
inline constexpr int kPhotoBurst = 1069;
inline constexpr int kVideoLength = 1070;
inline constexpr int kLanguage = 1081;
inline constexpr int kPirInterval = 1073;
inline constexpr int kTimeLapse = ids::kTimeLapse;
inline constexpr int kPirTrigger = 1169;
inline constexpr int kVideoSize = 1114;
inline constexpr int kVideoSizeLabel = 1176;
inline constexpr int kSmsControl = 1180;
inline constexpr int kSmsControlLabel = 1181;
inline constexpr int kWorkHour = 1183;
inline constexpr int kStartHour = 1184;
inline constexpr int kStartMinute = 1185;
inline constexpr int kStopHour = 1186;
inline constexpr int kStopMinute = 1187;
inline constexpr int kDefault = 1003;

// Messaging settings.
inline constexpr int kSendToPhoneMms = 1062;
inline constexpr int kSendToEmailMms = 1063;
inline constexpr int kSendToEmailGprs = 1064;
inline constexpr int kCountryList = 1000;
inline constexpr int kOperatorList = 1004;
inline constexpr int kCheckParams = 1002;  // here the parameter check, not a "+" button

inline constexpr int kBanner = productOf(SettingsDialogKind::S1)->bannerId;
inline constexpr int kPathList = 1152;
}  // namespace s1

class S1Dialog : public ProductSettingsDialog {
public:
    S1Dialog(ui::Host& host, dialogs::AppContext& context);

    static ui::DialogTemplate dialogTemplate();
    // The variant 0..3 of a model code, -1 for a code that is none of the four.
    static int variantOf(const std::string& modelCode);

    int variant() const { return variant_; }

    // Variant, title and the disabled controls of the model; an unknown model ends the dialog.
    void setUpVariant();
    // The lists the model lacks lose their selection.
    void clearLackingLists();
    // False for the controls the current model lacks, whose keys are neither written nor kept.
    bool isS1ControlUsed(int id);

    void onDefault();  // "Default(&D)"

protected:
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;  // "Save(&Y)" and Enter

private:
    settings::KeyTable buildKeyTable();
    void applyWorkHourRule();

    int variant_;
};

}  // namespace qvt::dialogs
