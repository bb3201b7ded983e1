// SPDX-License-Identifier: Apache-2.0
#pragma once
// The settings window of the HX720U camera, the HX710T-10M's closest sister: the same kinds of
// controls under the same ids, without Security Mode, work days and "Email[MMS]", with its own file
// "GSM/HX720U.TXT" (values trimmed, "SMTP SSL" included) and path list 1135. Like the HX710T-10M it
// places the game-call sound on the card after a save with Game Call "ON".
#include <string>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/GameCallField.h"
#include "dialogs/Hx710tDialog.h"
#include "dialogs/ProductSettingsDialog.h"

namespace qvt::dialogs {

namespace hx720u {
inline constexpr const Product& kProduct = *productOf(SettingsDialogKind::Hx720u);
inline constexpr int kTemplateId = kProduct.dialogResource;
inline constexpr std::string_view kFileCode = kProduct.fileCode;
inline constexpr int kBanner = kProduct.bannerId;
inline constexpr int kPathList = 1135;

// Every other control has the id it has in the HX710T-10M dialog.
using hx710t::kAudioField;
using hx710t::kCameraMode;
using hx710t::kCameraPosition;
using hx710t::kCheckParams;
using hx710t::kChooseAudio;  // "+"
using hx710t::kCountryList;
using hx710t::kDefault;
using hx710t::kGameCall;
using hx710t::kGameCallHour;
using hx710t::kGameCallMinute;
using hx710t::kLanguage;
using hx710t::kOperatorList;
using hx710t::kPhotoBurst;
using hx710t::kPhotoSize;
using hx710t::kPirInterval;
using hx710t::kPirTrigger;
using hx710t::kReplayTimes;
using hx710t::kSmsControl;
using hx710t::kStartHour;
using hx710t::kStartMinute;
using hx710t::kStopHour;
using hx710t::kStopMinute;
using hx710t::kTimeLapse;
using hx710t::kVideoLength;
using hx710t::kVideoSize;
using hx710t::kWorkHour;
// Send To has three radios, stored as 0, 1 and 2 ("Email[MMS]" is missing).
using hx710t::kSendToCall;
using hx710t::kSendToEmailGprs;
using hx710t::kSendToPhoneMms;
}  // namespace hx720u

class Hx720uDialog : public ProductSettingsDialog {
public:
    Hx720uDialog(ui::Host& host, dialogs::AppContext& context);

    static ui::DialogTemplate dialogTemplate();
    // The layout of the HX720U file: sections and keys in the order the camera expects them.
    settings::KeyTable buildKeyTable();

    // The settings file reader's view of the Send To radios: "0", "1" or "2" checks that radio and
    // clears the others; anything else clears all three.
    void setSendToRadios(const std::string& stored);

    void onDefault();  // "Default(&D)"

    GameCallField& gameCallAudio() { return audio_; }

protected:
    // Exit, Esc and the close box keep the base behaviour: the dialog closes and the conversion
    // tool's folder is left as it is. Help requests get the default (nothing happens).
    void onInit() override;
    void onNotify(int id, ui::Event event) override;
    void onOK() override;  // "Save(&Y)" and Enter

private:
    void onSendToClick(int radio);
    // The Game Call and Work Hour switches with the controls that depend on them.
    void gameCallGroup(OnOffVariant variant);
    void workHourGroup(OnOffVariant variant);

    GameCallField audio_;
};

}  // namespace qvt::dialogs
